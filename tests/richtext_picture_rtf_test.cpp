// The RTF picture group of a bitmap: header numbers and the exact shape of its hex lines.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "metafile_writer.h"
#include "picture_embedding.h"

namespace richtext {
namespace {

Picture Filled(int width, int height, std::uint8_t value) {
  return Picture::FromRgb(width, height, std::vector<std::uint8_t>(width * height * 3, value));
}

// The hex lines between the header's space and the closing CR LF "}".
std::vector<std::string> HexLines(const std::string& group) {
  std::vector<std::string> lines;
  const std::size_t end = group.size() - 3;
  for (std::size_t at = group.find(' ') + 1; at < end;) {
    EXPECT_EQ(group.compare(at, 2, "\r\n"), 0) << "every line starts with CR LF";
    const std::size_t next = std::min(group.find("\r\n", at + 2), end);
    lines.push_back(group.substr(at + 2, next - at - 2));
    at = next;
  }
  return lines;
}

std::vector<std::uint8_t> FromHex(const std::vector<std::string>& lines) {
  std::vector<std::uint8_t> bytes;
  for (const std::string& line : lines) {
    for (std::size_t i = 0; i + 1 < line.size(); i += 2) {
      bytes.push_back(static_cast<std::uint8_t>(std::stoi(line.substr(i, 2), nullptr, 16)));
    }
  }
  return bytes;
}

TEST(PictureRtf, CardPictureHeaderAndLines) {
  const Picture picture = Filled(40, 50, 10);
  const std::string group = PictureToRtf(picture);
  EXPECT_TRUE(group.starts_with(
      "{\\pict\\wmetafile8\\picw1058\\pich1323\\picwgoal600\\pichgoal750 \r\n010009000003"));
  EXPECT_TRUE(group.ends_with("\r\n}"));
  const std::vector<std::string> lines = HexLines(group);
  ASSERT_EQ(lines.size(), 158u);  // 6128 bytes = 157 full lines of 39 and one of 5
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i].size(), 78u) << i;
  EXPECT_EQ(lines.back().size(), 10u);
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find_first_not_of("0123456789abcdef"), std::string::npos) << line;
  }
  EXPECT_EQ(FromHex(lines), RecordBitmapMetafile(picture));
  EXPECT_NE(group.find("0a0a0a"), std::string::npos);  // pixel bytes keep their leading zero
}

TEST(PictureRtf, ExactMultipleOf39BytesEndsWithAFullLine) {
  const Picture picture = Filled(1, 7, 0xAB);  // 128 + 7 rows of 4 bytes = 156 = 4 x 39
  ASSERT_EQ(RecordBitmapMetafile(picture).size(), 156u);
  const std::string group = PictureToRtf(picture);
  const std::vector<std::string> lines = HexLines(group);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines.back().size(), 78u);
  EXPECT_EQ(group.find("\r\n\r\n"), std::string::npos);
  EXPECT_TRUE(group.ends_with("030000000000\r\n}"));  // the end-of-file record
}

TEST(PictureRtf, GoalSizesFollowTheScreenAndUnrecordablePicturesGiveNothing) {
  const std::string group = PictureToRtf(Filled(40, 50, 0), ScreenTwips{12, 20});
  EXPECT_TRUE(
      group.starts_with("{\\pict\\wmetafile8\\picw1058\\pich1323\\picwgoal480\\pichgoal1000 "));
  EXPECT_EQ(PictureToRtf(Picture{}), "");
  // Nor is a picture embedded at a goal size too large to show (40 x 820 = 32800 twips).
  EXPECT_EQ(PictureToRtf(Filled(40, 50, 0), ScreenTwips{820, 15}), "");
  EXPECT_NE(PictureToRtf(Filled(40, 50, 0), ScreenTwips{819, 15}), "");
}

}  // namespace
}  // namespace richtext
