#include <gtest/gtest.h>

#include "rich_text_box.h"
#include "richtext_test_helpers.h"
#include "rtf_reader.h"
#include "rtf_writer.h"

namespace richtext {
namespace {

using testing::EmbedPictureWithMarkers;
using testing::MakePictureGroup;

// A box holding every attribute, alignment, escape and a few pictures.
RichTextBox RichBox() {
  RichTextBox box;
  box.SetSelAlignment(Alignment::Center);
  box.SetSelColor({128, 0, 0});
  box.SetSelBold(true);
  box.SetSelText("Horseshoe {spread}\n");
  box.SetSelAlignment(Alignment::Left);
  box.SetSelBold(false);
  box.SetSelUnderline(true);
  EXPECT_TRUE(EmbedPictureWithMarkers(box, MakePictureGroup(1)));
  box.SetSelColor({0, 0, 0});
  box.SetSelText(" Sota de copas \\ caf\u00e9 \u20ac \u03a9 \U0001F0A1\tend\n");
  box.SetSelUnderline(false);
  box.SetSelAlignment(Alignment::Right);
  EXPECT_TRUE(EmbedPictureWithMarkers(box, MakePictureGroup(2)));
  EXPECT_TRUE(EmbedPictureWithMarkers(box, MakePictureGroup(3)));
  box.SetSelColor({0, 96, 0});
  box.SetSelText("\n\n");
  box.SetSelAlignment(Alignment::Center);
  return box;
}

TEST(RtfRoundTrip, GetSetGetIsIdenticalAndTheModelIsKept) {
  const RichTextBox original = RichBox();
  ASSERT_EQ(original.document().pictures.size(), 3u);
  const std::string rtf = original.TextRTF();
  RichTextBox copy;
  std::string error;
  ASSERT_TRUE(copy.SetTextRTF(rtf, &error)) << error;
  EXPECT_EQ(copy.TextRTF(), rtf);
  EXPECT_TRUE(SameContent(copy.document(), original.document()));
  EXPECT_TRUE(copy.document().IsConsistent());
}

TEST(RtfRoundTrip, PicturesKeepTheirBytesAndGoalSize) {
  const RichTextBox box = RichBox();
  const auto& pictures = box.document().pictures;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pictures[i]->rtfGroup, MakePictureGroup(i + 1));
    EXPECT_EQ(pictures[i]->goalWidthTwips, 600);
    EXPECT_EQ(pictures[i]->goalHeightTwips, 750);
    EXPECT_EQ(pictures[i]->bitmap, nullptr);
  }
  EXPECT_NE(box.TextRTF().find(MakePictureGroup(2) + MakePictureGroup(3)), std::string::npos);
}

TEST(RtfRoundTrip, ReadingAgainSharesUnchangedPictures) {
  const RichTextBox box = RichBox();
  const Document& before = box.document();
  RtfReadResult again = ReadRtf(WriteRtf(before), &before);
  ASSERT_TRUE(again.document);
  for (std::size_t i = 0; i < before.pictures.size(); ++i) {
    EXPECT_EQ(again.document->pictures[i], before.pictures[i]);  // the same object
  }
  RtfReadResult fresh = ReadRtf(WriteRtf(before));
  ASSERT_TRUE(fresh.document);
  EXPECT_NE(fresh.document->pictures[0], before.pictures[0]);
  EXPECT_TRUE(SameContent(*fresh.document, before));
}

TEST(RtfRoundTrip, MarkerProcedureMakesEachPictureOneCharacter) {
  RichTextBox box;
  box.SetSelBold(true);
  box.SetSelText("Cards:\n");
  constexpr int kPictures = 5;
  for (int i = 0; i < kPictures; ++i) {
    const auto earlier = box.document().pictures;
    ASSERT_TRUE(EmbedPictureWithMarkers(box, MakePictureGroup(i, 3000)));
    box.SetSelText(" ");
    const Document& doc = box.document();
    ASSERT_EQ(doc.pictures.size(), static_cast<std::size_t>(i + 1));
    for (std::size_t k = 0; k < earlier.size(); ++k) EXPECT_EQ(doc.pictures[k], earlier[k]);
  }
  std::u32string expected = U"Cards:\n";
  for (int i = 0; i < kPictures; ++i) expected += U"\uFFFC ";
  EXPECT_EQ(box.document().chars, expected);
  EXPECT_EQ(box.SelStart(), expected.size());
  EXPECT_EQ(box.Find("\u0081"), -1);
  EXPECT_EQ(box.Find("\u009D"), -1);
  // The caret's format is still the one the text was written in.
  EXPECT_TRUE(box.InsertionFormat().bold);
  for (const CharFormat& format : box.document().formats) EXPECT_TRUE(format.bold);
  EXPECT_TRUE(box.document().IsConsistent());
}

TEST(RtfRoundTrip, ForeignDocumentsReachAFixedPointAfterOneRound) {
  const std::string foreign =
      "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\pard\\qr\\cf1 a{\\b b\\par}\\u-3913?"
      "\\u-10179?\\u-8694?\\'01\\u65532?{\\pict\\pngblip 0a0b}\\plain z}";
  RtfReadResult first = ReadRtf(foreign);
  ASSERT_TRUE(first.document) << first.error;
  const std::string written = WriteRtf(*first.document);
  RtfReadResult second = ReadRtf(written);
  ASSERT_TRUE(second.document) << second.error;
  EXPECT_EQ(WriteRtf(*second.document), written);
  EXPECT_TRUE(SameContent(*second.document, *first.document));
  EXPECT_EQ(EncodeUtf8(first.document->chars), "ab\n\uf0b7\U0001F60A\uFFFD\uFFFCz");
}

TEST(Utf8, DecodesValidTextAndReplacesEveryInvalidByte) {
  EXPECT_EQ(DecodeUtf8("a\u00e9\u20ac\U0001F0A1"), U"a\u00e9\u20ac\U0001F0A1");
  EXPECT_EQ(DecodeUtf8("\xc0\xaf"), U"\uFFFD\uFFFD");            // overlong
  EXPECT_EQ(DecodeUtf8("\xed\xa0\x80"), U"\uFFFD\uFFFD\uFFFD");  // surrogate
  EXPECT_EQ(DecodeUtf8("\xe2\x82"), U"\uFFFD\uFFFD");            // cut short
  EXPECT_EQ(EncodeUtf8(U"a\u00e9\u20ac\U0001F0A1"), "a\u00e9\u20ac\U0001F0A1");
}

}  // namespace
}  // namespace richtext
