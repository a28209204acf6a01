#include <gtest/gtest.h>

#include "rich_text_box.h"
#include "richtext_test_helpers.h"
#include "rtf_reader.h"
#include "rtf_tokenizer.h"
#include "rtf_writer.h"

namespace richtext {
namespace {

struct Malformed {
  const char* name;
  std::string rtf;
  std::string message;  // part of the error
  std::size_t offset;
};

void PrintTo(const Malformed& input, std::ostream* out) {
  *out << input.name;
}

std::vector<Malformed> MalformedInputs() {
  return {
      {"Empty", "", "must start with {\\rtf", 0},
      {"NotRtf", "Hello {\\rtf1}", "must start with {\\rtf", 0},
      {"ExtraClosingBrace", "{\\rtf1 a}}", "'}' without an open group", 9},
      {"GroupsLeftOpen", "{\\rtf1 {\\b a}{", "2 group(s) still open", 14},
      {"TooDeep", "{\\rtf1 " + std::string(kMaxGroupDepth, '{'), "deeper than 1000", 1006},
      {"LongControlWord", "{\\rtf1 \\" + std::string(40, 'a') + "}", "longer than 32 letters", 7},
      {"LongNumber", "{\\rtf1\\fs12345678901 x}", "longer than 10 digits", 6},
      {"HexCutShort", "{\\rtf1 \\'4}", "two hex digits", 7},
      {"HexNotHex", "{\\rtf1 \\'g0}", "two hex digits", 7},
      {"HexAtEnd", "{\\rtf1 \\'", "two hex digits", 7},
      {"BackslashAtEnd", "{\\rtf1 \\", "backslash at the end", 7},
      {"BinPastTheEnd", "{\\rtf1 \\bin100 abc}", "\\bin data longer", 7},
      {"PictureOddHex", "{\\rtf1 x{\\pict\\wmetafile8 abc\r\n}}", "odd number of hex digits", 31},
      {"PictureNonHex", "{\\rtf1 {\\pict 0a-b}}", "non-hex byte", 16},
      {"PictureHexEscape", "{\\rtf1 {\\pict 0a\\'00}}", "control symbol", 16},
      {"TextAfterTheEnd", "{\\rtf1 a}\r\nmore", "after the end of the document", 11},
  };
}

class RtfMalformed : public ::testing::TestWithParam<Malformed> {};

TEST_P(RtfMalformed, IsRejectedWithItsOffsetAndLeavesTheBoxAlone) {
  const Malformed& input = GetParam();
  RichTextBox box;
  box.SetSelBold(true);
  box.SetSelText("kept\n");
  ASSERT_TRUE(testing::EmbedPictureWithMarkers(box, testing::MakePictureGroup(7)));
  box.SetSelStart(2);
  box.SetSelLength(1);
  const std::string before = box.TextRTF();
  const auto revision = box.Revision();

  std::string error;
  EXPECT_FALSE(box.SetTextRTF(input.rtf, &error));
  EXPECT_NE(error.find(input.message), std::string::npos) << error;
  EXPECT_NE(error.find("at byte " + std::to_string(input.offset)), std::string::npos) << error;
  EXPECT_EQ(box.TextRTF(), before);
  EXPECT_EQ(box.Revision(), revision);
  EXPECT_EQ(box.SelStart(), 2u);
  EXPECT_EQ(box.SelLength(), 1u);
  EXPECT_TRUE(box.InsertionFormat().bold);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RtfMalformed, ::testing::ValuesIn(MalformedInputs()),
                         [](const auto& test) { return std::string(test.param.name); });

// Each of these must end quickly, whether read or rejected.
TEST(RtfPathological, HostileInputsFinish) {
  const std::size_t kSize = 1 << 20;
  EXPECT_FALSE(ReadRtf("{\\rtf1 " + std::string(100000, '{')).document);
  EXPECT_FALSE(ReadRtf(std::string(kSize, '\\')).document);
  EXPECT_FALSE(ReadRtf("{\\rtf1 " + std::string(kSize, '\\')).document);

  RtfReadResult backslashes = ReadRtf("{\\rtf1 " + std::string(kSize, '\\') + "}");
  ASSERT_TRUE(backslashes.document);
  EXPECT_EQ(backslashes.document->size(), kSize / 2);

  std::string groups = "{\\rtf1 ";
  for (std::size_t i = 0; i < kSize / 4; ++i) groups += "{\\b}";
  EXPECT_TRUE(ReadRtf(groups + "}").document);

  // A huge fallback count must not make skipping slow.
  std::string unicode = "{\\rtf1\\uc999999999 ";
  for (std::size_t i = 0; i < kSize / 8; ++i) unicode += "\\u233 ab";
  EXPECT_TRUE(ReadRtf(unicode + "}").document);

  // Many colours and many pictures of equal length, written and read back.
  std::string colours = "{\\rtf1{\\colortbl ;";
  std::string body;
  for (int i = 0; i < 20000; ++i) {
    colours += "\\red" + std::to_string(i % 256) + "\\green" + std::to_string(i / 256) + "\\blue0;";
    body += "\\cf" + std::to_string(i + 1) + " x{\\pict " +
            std::string(20, "0123456789abcdef"[i % 16]) + "}";
  }
  RtfReadResult many = ReadRtf(colours + "}" + body + "}");
  ASSERT_TRUE(many.document);
  const std::string written = WriteRtf(*many.document);
  RtfReadResult again = ReadRtf(written, &*many.document);
  ASSERT_TRUE(again.document);
  EXPECT_EQ(WriteRtf(*again.document), written);
}

}  // namespace
}  // namespace richtext
