// The in-memory metafile of a bitmap: its exact layout, and a reader that recovers the pixels
// of what we write and refuses anything broken.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "little_endian.h"
#include "metafile_reader.h"
#include "metafile_writer.h"

namespace richtext {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Every pixel different, so swapped channels, rows or columns show.
Picture Gradient(int width, int height) {
  std::vector<std::uint8_t> rgb;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      rgb.push_back(static_cast<std::uint8_t>(x * 7 + 1));
      rgb.push_back(static_cast<std::uint8_t>(y * 11 + 2));
      rgb.push_back(static_cast<std::uint8_t>(x * 3 + y * 5 + 3));
    }
  }
  return Picture::FromRgb(width, height, std::move(rgb));
}

// (size in words, function) of each record.
std::vector<std::pair<std::uint32_t, std::uint16_t>> Records(const Bytes& file) {
  std::vector<std::pair<std::uint32_t, std::uint16_t>> records;
  for (std::size_t at = 18; at + 6 <= file.size(); at += LoadU32(file, at) * 2) {
    records.emplace_back(LoadU32(file, at), LoadU16(file, at + 4));
    if (records.back().first < 3) break;
  }
  return records;
}

constexpr std::size_t kBlit = 18 + 8 + 10 + 10 + 6;  // offset of the bit-block record
constexpr std::size_t kDib = kBlit + 22;             // offset of its BITMAPINFOHEADER

TEST(MetafileWriter, CardPictureHasTheExpectedHeaderAndRecords) {
  const Bytes file = RecordBitmapMetafile(Gradient(40, 50));
  ASSERT_EQ(file.size(), 6128u);
  EXPECT_EQ(LoadU16(file, 0), 1);       // type
  EXPECT_EQ(LoadU16(file, 2), 9);       // header words
  EXPECT_EQ(LoadU16(file, 4), 0x0300);  // version
  EXPECT_EQ(LoadU32(file, 6), 3064u);   // file words
  EXPECT_EQ(LoadU16(file, 10), 0);      // objects
  EXPECT_EQ(LoadU32(file, 12), 3031u);  // largest record
  EXPECT_EQ(LoadU16(file, 16), 0);      // members
  const std::vector<std::pair<std::uint32_t, std::uint16_t>> expected = {
      {4, 0x0103}, {5, 0x020B}, {5, 0x020C}, {3, 0x001E}, {3031, 0x0940}, {4, 0x0127}, {3, 0}};
  EXPECT_EQ(Records(file), expected);

  EXPECT_EQ(LoadI16(file, 24), 8);                     // anisotropic
  EXPECT_EQ(LoadU32(file, 32), 0u);                    // origin y, x
  EXPECT_EQ(LoadI16(file, 42), 50);                    // extent height
  EXPECT_EQ(LoadI16(file, 44), 40);                    // then width
  EXPECT_EQ(LoadU32(file, kBlit + 6), 0x00CC0020u);    // SRCCOPY
  const std::vector<int> blit = {0, 0, 50, 40, 0, 0};  // src y, x, h, w, dest y, x
  for (std::size_t i = 0; i < blit.size(); ++i)
    EXPECT_EQ(LoadI16(file, kBlit + 10 + 2 * i), blit[i]);
  const std::vector<std::uint32_t> info = {40, 40, 50};  // header size, width, height
  for (std::size_t i = 0; i < info.size(); ++i) EXPECT_EQ(LoadU32(file, kDib + 4 * i), info[i]);
  EXPECT_EQ(LoadU16(file, kDib + 12), 1);         // planes
  EXPECT_EQ(LoadU16(file, kDib + 14), 24);        // bits per pixel
  EXPECT_EQ(LoadU32(file, kDib + 16), 0u);        // uncompressed
  EXPECT_EQ(LoadU32(file, kDib + 20), 6000u);     // image size
  EXPECT_EQ(LoadI16(file, file.size() - 8), -1);  // restore level
}

TEST(MetafileWriter, PixelsAreBgrBottomUpWithRowsPaddedToFourBytes) {
  const Picture picture = Picture::FromRgb(3, 2,
                                           {1, 2, 3, 4, 5, 6, 7, 8, 9,  //
                                            10, 11, 12, 13, 14, 15, 16, 17, 18});
  const Bytes file = RecordBitmapMetafile(picture);
  const Bytes pixels(file.begin() + kDib + 40, file.begin() + kDib + 40 + 24);
  const Bytes expected = {12, 11, 10, 15, 14, 13, 18, 17, 16, 0, 0, 0,  //
                          3,  2,  1,  6,  5,  4,  9,  8,  7,  0, 0, 0};
  EXPECT_EQ(pixels, expected);
  EXPECT_EQ(LoadU32(file, 12), 11u + (40 + 24) / 2);
  EXPECT_EQ(LoadU32(file, 6) * 2, file.size());
}

TEST(MetafileWriter, RefusesPicturesItCannotRecord) {
  EXPECT_TRUE(RecordBitmapMetafile(Picture{}).empty());
  EXPECT_TRUE(RecordBitmapMetafile(Picture::FromRgb(2, 2, Bytes(11))).empty());
  EXPECT_TRUE(RecordBitmapMetafile(Picture::FromRgb(4097, 1, Bytes(4097 * 3))).empty());
}

TEST(MetafileReader, RecoversExactlyWhatTheWriterRecorded) {
  for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {5, 3}, {40, 50}, {71, 96}, {4096, 2}}) {
    const Picture original = Gradient(w, h);
    const std::optional<Picture> decoded = DecodeBitmapMetafile(RecordBitmapMetafile(original));
    ASSERT_TRUE(decoded) << w << "x" << h;
    EXPECT_EQ(decoded->width, w);
    EXPECT_EQ(decoded->height, h);
    EXPECT_EQ(decoded->rgb, original.rgb);
    EXPECT_EQ(decoded->widthHimetric, original.widthHimetric);
    EXPECT_EQ(decoded->heightHimetric, original.heightHimetric);
  }
}

// Other writers' forms: a placeable header, top-down and 32-bit DIBs, StretchDIB records.
TEST(MetafileReader, ReadsOtherCommonFormsOfABitmapMetafile) {
  const Picture original = Gradient(3, 2);
  Bytes placeable = {0xD7, 0xCD, 0xC6, 0x9A};
  placeable.resize(22);
  const Bytes plain = RecordBitmapMetafile(original);
  placeable.insert(placeable.end(), plain.begin(), plain.end());
  EXPECT_EQ(DecodeBitmapMetafile(placeable)->rgb, original.rgb);

  for (bool stretch : {false, true}) {
    LittleEndianWriter out;
    for (std::uint16_t v : {1, 9, 0x300}) out.U16(v);
    out.U32(0);  // file size, patched below
    out.U16(0);
    out.U32(0);
    out.U16(0);
    const std::size_t record = out.size();
    out.U32(0);
    out.U16(stretch ? 0x0F43 : 0x0940);
    out.U32(0x00CC0020);
    if (stretch) out.U16(0);  // colours as RGB
    for (int i = 0; i < (stretch ? 8 : 6); ++i) out.I16(0);
    for (std::uint32_t v : {40u, 3u, static_cast<std::uint32_t>(-2)}) out.U32(v);  // top-down
    out.U16(1);
    out.U16(32);
    for (int i = 0; i < 6; ++i) out.U32(0);
    for (std::size_t i = 0; i < original.rgb.size(); i += 3) {
      for (std::uint8_t v : {original.rgb[i + 2], original.rgb[i + 1], original.rgb[i], {}}) {
        *out.Grow(1) = v;
      }
    }
    out.PatchU32(record, static_cast<std::uint32_t>((out.size() - record) / 2));
    out.U32(3);
    out.U16(0);
    out.PatchU32(6, static_cast<std::uint32_t>(out.size() / 2));
    const std::optional<Picture> decoded = DecodeBitmapMetafile(std::move(out).Take());
    ASSERT_TRUE(decoded) << stretch;
    EXPECT_EQ(decoded->rgb, original.rgb);
  }
}

TEST(MetafileReader, RefusesTruncatedCorruptAndAbsurdInput) {
  const Bytes good = RecordBitmapMetafile(Gradient(5, 3));
  for (std::size_t size = 0; size < good.size(); ++size) {
    EXPECT_FALSE(DecodeBitmapMetafile(std::span(good).first(size))) << size;
  }
  const auto patched = [&](std::size_t offset, std::uint32_t value, int bytes = 4) {
    Bytes file = good;
    for (int i = 0; i < bytes; ++i) file[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return DecodeBitmapMetafile(file).has_value();
  };
  EXPECT_FALSE(patched(0, 7, 2));                 // unknown metafile type
  EXPECT_FALSE(patched(18, 2));                   // record shorter than its own header
  EXPECT_FALSE(patched(18, 0x80000000u));         // record past the end
  EXPECT_FALSE(patched(kBlit, 0xFFFFFFFFu));      // bit-block record past the end
  EXPECT_FALSE(patched(kDib, 0x7FFFFFFFu));       // info header larger than the record
  EXPECT_FALSE(patched(kDib + 4, 6));             // wider than the pixel data
  EXPECT_FALSE(patched(kDib + 4, 5000));          // absurd width
  EXPECT_FALSE(patched(kDib + 4, 0));             // no width
  EXPECT_FALSE(patched(kDib + 8, 0x80000000u));   // most negative height
  EXPECT_FALSE(patched(kDib + 8, 0x7FFFFFFFu));   // absurd height
  EXPECT_FALSE(patched(kDib + 12, 2, 2));         // two planes
  EXPECT_FALSE(patched(kDib + 14, 8, 2));         // palette bitmap
  EXPECT_FALSE(patched(kDib + 16, 1));            // compressed
  EXPECT_FALSE(patched(kDib + 32, 0xFFFFFFFFu));  // colour table count overflow
  EXPECT_FALSE(patched(kBlit + 4, 0, 2));         // no bit-block record before the end
  EXPECT_TRUE(patched(kDib + 8, static_cast<std::uint32_t>(-3)));  // top-down is fine

  // Enough pixel data for 4097 x 1, but wider than we accept.
  Bytes wide = RecordBitmapMetafile(Gradient(4096, 2));
  ASSERT_TRUE(DecodeBitmapMetafile(wide));
  wide[kDib + 4] = 0x01;  // width 4097
  wide[kDib + 8] = 0x01;  // height 1
  EXPECT_FALSE(DecodeBitmapMetafile(wide));

  // Random damage must never crash (the sanitizer build checks memory).
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    Bytes file = good;
    for (int i = 0; i < 4; ++i) file[random() % file.size()] = static_cast<std::uint8_t>(random());
    file.resize(random() % (file.size() + 1));
    (void)DecodeBitmapMetafile(file);
  }
}

}  // namespace
}  // namespace richtext
