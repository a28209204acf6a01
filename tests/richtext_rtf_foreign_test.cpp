#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>

#include "rtf_reader.h"

namespace richtext {
namespace {

Document Read(std::string_view rtf) {
  RtfReadResult result = ReadRtf(rtf);
  EXPECT_TRUE(result.document) << result.error;
  return result.document ? std::move(*result.document) : Document{};
}

std::string TextOf(std::string_view rtf) {
  return EncodeUtf8(Read(rtf).chars);
}

TEST(RtfForeign, SkipsDestinationsThatAreNotText) {
  EXPECT_EQ(TextOf("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\stylesheet{\\s1 Normal;}}"
                   "{\\info{\\title T}{\\author A}}{\\header H}{\\footer F}"
                   "{\\*\\generator Writer 1.0;}{\\*\\unknowndest {nested} x}body}"),
            "body");
  // Field instructions go, field results stay.
  EXPECT_EQ(TextOf("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}"), "link");
}

TEST(RtfForeign, ReadsWhitespaceControlWordsAndSymbols) {
  EXPECT_EQ(TextOf("{\\rtf1 a\r\nb\\line c\\tab d\\~e\\emdash\\endash\\lquote\\rquote"
                   "\\ldblquote\\rdblquote\\bullet f\\-g\\_h\\\\\\{\\}\\unknownword i}"),
            "ab\nc\td\u00a0e\u2014\u2013\u2018\u2019\u201c\u201d\u2022f"
            "g\u2011h\\{}i");
  // The space after a control word is its delimiter; a second one is text.
  EXPECT_EQ(TextOf("{\\rtf1\\b  x\\b0\\'e9\\'80\\'9d}"), " x\u00e9\u20ac\u009d");
}

TEST(RtfForeign, UnicodeFallbackIsSkippedByTheUcCount) {
  EXPECT_EQ(TextOf("{\\rtf1\\uc1\\u233 e x}"), "\u00e9 x");
  EXPECT_EQ(TextOf("{\\rtf1\\uc2\\u233\\'65\\'65x}"), "\u00e9x");
  EXPECT_EQ(TextOf("{\\rtf1\\uc0\\u233 e}"),
            "\u00e9"
            "e");
  // A control word and \bin with its data each count as one skipped character.
  EXPECT_EQ(TextOf("{\\rtf1\\uc2\\u233\\par\\bin3 {}\\x}"), "\u00e9x");
  // A brace ends the fallback early; \uc is scoped to its group.
  EXPECT_EQ(TextOf("{\\rtf1\\uc3{\\u233 a}bc{\\uc0\\u233}d\\u233 xyzw}"),
            "\u00e9"
            "bc\u00e9"
            "d\u00e9w");
}

TEST(RtfForeign, ColoursAndCharacterFormats) {
  const Document doc = Read(
      "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
      "\\cf1 r{\\cf2\\b\\ul b}\\cf9 k\\cf0\\b\\uldb u\\ul0 n\\b0 p\\ul\\ulnone "
      "q\\cf2\\b\\ul\\plain z}");
  ASSERT_EQ(EncodeUtf8(doc.chars), "rbkunpqz");
  const CharFormat red{{255, 0, 0}, false, false};
  const CharFormat blueBoldUl{{0, 0, 255}, true, true};
  const std::vector<CharFormat> expected = {
      red, blueBoldUl, {}, {{}, true, true}, {{}, true, false}, {}, {}, {}};
  EXPECT_EQ(doc.formats, expected);
}

TEST(RtfForeign, ParagraphAlignmentIsTakenAtTheParagraphEnd) {
  const Document doc =
      Read("{\\rtf1\\pard\\qc one\\par two\\qr\\par\\pard three\\par\\qj four\\par\\qc}");
  const std::vector<Alignment> expected = {Alignment::Center, Alignment::Right, Alignment::Left,
                                           Alignment::Left, Alignment::Center};
  EXPECT_EQ(doc.paragraphs, expected);
}

TEST(RtfForeign, ShapePictureIsTakenAndItsFallbackSkipped) {
  const std::string pict = "{\\pict\\pngblip\\picwgoal300\\pichgoal200{\\*\\blipuid 0f}a1B2\r\n}";
  const Document doc =
      Read("{\\rtf1 x{\\*\\shppict" + pict + "}{\\nonshppict{\\pict\\wmetafile8 00}}y}");
  EXPECT_EQ(doc.chars, U"x\uFFFCy");
  ASSERT_EQ(doc.pictures.size(), 1u);
  EXPECT_EQ(doc.pictures[0]->rtfGroup, pict);
  EXPECT_EQ(doc.pictures[0]->goalWidthTwips, 300);
  EXPECT_EQ(doc.pictures[0]->goalHeightTwips, 200);
}

// Whatever size a foreign picture states, it is shown only within the bound.
TEST(RtfForeign, PictureSizesAreShownOnlyWithinTheBound) {
  const auto shown = [](std::string_view words) {
    const Document doc = Read("{\\rtf1 a{\\pict\\pngblip" + std::string(words) + " 00}b}");
    return doc.pictures.size() == 1 ? PictureDisplayTwips(*doc.pictures[0], 15) : std::nullopt;
  };
  EXPECT_EQ(shown("\\picwgoal32767\\pichgoal1"), (TwipsSize{32767, 1}));
  EXPECT_EQ(shown("\\picwgoal32768\\pichgoal750"), std::nullopt);
  EXPECT_EQ(shown("\\picwgoal2147483647\\pichgoal2147483647"), std::nullopt);
  EXPECT_EQ(shown("\\picwgoal-600\\pichgoal0"), std::nullopt);  // no size and no bitmap
  // Without a goal size the bitmap's size counts, at any screen without overflowing.
  const EmbeddedPicture bitmapOnly{"", std::make_shared<Picture>(Picture{40, 50, {}, 0, 0})};
  EXPECT_EQ(PictureDisplayTwips(bitmapOnly, 15), (TwipsSize{600, 750}));
  EXPECT_EQ(PictureDisplayTwips(bitmapOnly, INT_MAX), std::nullopt);
}

TEST(RtfForeign, PictOnlyCountsBeforeAnyTextOfItsGroup) {
  // Its group already gave text, so it cannot be kept whole as a picture; its data is text.
  const Document doc = Read("{\\rtf1{\\b x{}\\pict 00}{\\b\r\n\\pict 00}}");
  EXPECT_EQ(doc.chars, U"x00\uFFFC");
  EXPECT_EQ(doc.pictures.size(), 1u);
}

TEST(RtfForeign, PictureDataMayComeAsBinary) {
  const Document doc = Read(std::string("{\\rtf1{\\pict\\wmetafile8\\bin3 \x00}\\", 32) + "}}");
  ASSERT_EQ(doc.pictures.size(), 1u);
  EXPECT_EQ(doc.chars, U"\uFFFC");
}

TEST(RtfForeign, BinaryDataOutsidePicturesIsNotText) {
  EXPECT_EQ(TextOf("{\\rtf1 a\\bin4 {}\\\\b}"), "ab");
}

TEST(RtfForeign, TrailingWhitespaceAndNulsAreAccepted) {
  EXPECT_EQ(TextOf(std::string("{\\rtf1 a}\r\n \t\0\0", 15)), "a");
}

}  // namespace
}  // namespace richtext
