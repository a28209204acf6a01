#include <gtest/gtest.h>

#include "rich_text_box.h"
#include "rtf_writer.h"

namespace richtext {
namespace {

constexpr std::string_view kPreamble =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana;}}\r\n";

std::string Body(const std::string& rtf) {
  const std::string start = "\\fs16 ";
  const std::size_t at = rtf.find(start);
  return at == std::string::npos ? rtf : rtf.substr(at + start.size());
}

std::string RtfOf(std::string_view text) {
  RichTextBox box;
  box.SetSelText(text);
  return box.TextRTF();
}

TEST(RtfWriter, EmptyDocumentIsTheBarePreamble) {
  EXPECT_EQ(WriteRtf(Document{}),
            std::string(kPreamble) + "{\\colortbl ;}\r\n\\viewkind4\\uc1\\pard\\f0\\fs16 }");
}

TEST(RtfWriter, ColourTableListsColoursInOrderOfFirstUseWithBlackExplicit) {
  RichTextBox box;
  box.SetSelColor({128, 0, 0});
  box.SetSelText("a");
  box.SetSelColor({});
  box.SetSelText("b");
  box.SetSelColor({128, 0, 0});
  box.SetSelText("c");
  const std::string rtf = box.TextRTF();
  EXPECT_EQ(rtf.substr(0, kPreamble.size()), kPreamble);
  EXPECT_NE(rtf.find("{\\colortbl ;\\red128\\green0\\blue0;\\red0\\green0\\blue0;}"),
            std::string::npos);
  EXPECT_EQ(Body(rtf), "\\cf1 a\\cf2 b\\cf1 c}");
}

TEST(RtfWriter, FormatAndAlignmentChangesAreWrittenOnlyWhenTheyChange) {
  RichTextBox box;
  box.SetSelBold(true);
  box.SetSelText("B");
  box.SetSelUnderline(true);
  box.SetSelText("U\n");
  box.SetSelBold(false);
  box.SetSelUnderline(false);
  box.SetSelAlignment(Alignment::Center);
  box.SetSelText("c\n");
  box.SetSelAlignment(Alignment::Right);
  EXPECT_EQ(Body(box.TextRTF()), "\\cf1\\b B\\ul U\\par\r\n\\qc\\b0\\ulnone c\\par\r\n\\qr}");
}

TEST(RtfWriter, EscapesSpecialCharacters) {
  EXPECT_EQ(Body(RtfOf("a\\b{c}d\te")), "\\cf1 a\\\\b\\{c\\}d\\tab e}");
  EXPECT_EQ(Body(RtfOf("caf\u00e9 \u20ac")), "\\cf1 caf\\'e9 \\'80}");
  // Bytes that code page 1252 leaves undefined keep their own value.
  EXPECT_EQ(Body(RtfOf("\u0081\u008d\u008f\u0090\u009d")), "\\cf1\\'81\\'8d\\'8f\\'90\\'9d}");
  // Outside the code page: signed 16-bit \u with a fallback, astral characters as pairs.
  EXPECT_EQ(Body(RtfOf("\u0080\u03a9\uffe0\U0001F0A1")),
            "\\cf1\\u128?\\u937?\\u-32?\\u-10180?\\u-9055?}");
  EXPECT_EQ(Body(RtfOf("x\x01\x1fy")), "\\cf1 xy}");
}

TEST(RtfWriter, MarkerEscapesAppearOnlyForTheMarkers) {
  // Typed text that looks like the escapes must not produce them.
  const std::string rtf = RtfOf("\\'9d \\'81 \\\\'81");
  EXPECT_EQ(rtf.find("\\'9d"), std::string::npos) << rtf;
  EXPECT_EQ(rtf.find("\\'81"), std::string::npos) << rtf;
  RichTextBox box;
  ASSERT_TRUE(box.SetTextRTF(rtf));
  EXPECT_EQ(box.Text(), "\\'9d \\'81 \\\\'81");
}

}  // namespace
}  // namespace richtext
