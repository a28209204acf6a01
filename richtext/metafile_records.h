#pragma once
#include <cstddef>
#include <cstdint>

// The parts of the Windows metafile format that Baralune writes and reads. All values are
// little-endian; sizes are counted in 16-bit words.
//
// File header (18 bytes): type u16 (1), header size u16 (9 words), version u16 (0x0300),
// file size u32 (words), number of objects u16, largest record u32 (words), members u16 (0).
// Record: size u32 (words, this 6-byte header included), function u16, parameters in reverse
// order of the drawing call's arguments (y before x, height before width).
namespace richtext::wmf {

inline constexpr std::size_t kHeaderBytes = 18;
inline constexpr std::uint16_t kHeaderWords = 9;
inline constexpr std::uint16_t kMemoryMetafile = 1;
inline constexpr std::uint16_t kDiskMetafile = 2;
inline constexpr std::uint16_t kVersionWithDib = 0x0300;
inline constexpr std::size_t kRecordHeaderBytes = 6;
inline constexpr std::uint32_t kMinRecordWords = 3;

// Record functions.
inline constexpr std::uint16_t kEof = 0x0000;
inline constexpr std::uint16_t kSaveDc = 0x001E;
inline constexpr std::uint16_t kSetMapMode = 0x0103;
inline constexpr std::uint16_t kRestoreDc = 0x0127;
inline constexpr std::uint16_t kSetWindowOrg = 0x020B;
inline constexpr std::uint16_t kSetWindowExt = 0x020C;
inline constexpr std::uint16_t kDibBitBlt = 0x0940;
inline constexpr std::uint16_t kStretchDib = 0x0F43;

inline constexpr std::int16_t kAnisotropic = 8;
inline constexpr std::uint32_t kSrcCopy = 0x00CC0020;
inline constexpr std::uint16_t kDibRgbColors = 0;
// A DIB bit-block transfer of this size carries no bitmap (a pattern operation).
inline constexpr std::uint32_t kDibBitBltWithoutBitmapWords = 12;
// Parameter bytes before the packed DIB: DIB bit-block transfer: raster op, then six i16;
// StretchDIB: raster op, colour usage, then eight i16.
inline constexpr std::size_t kDibBitBltParamBytes = 4 + 6 * 2;
inline constexpr std::size_t kStretchDibParamBytes = 4 + 2 + 8 * 2;

// Packed DIB: BITMAPINFOHEADER, no colour table at 24 bits, rows bottom-up, each row padded
// to a multiple of 4 bytes.
inline constexpr std::size_t kBitmapInfoHeaderBytes = 40;
inline constexpr std::uint32_t kBiRgb = 0;

// Longest bitmap side we record or accept. Far above the report's 40 x 50 pictures, and small
// enough that a hostile file cannot make us allocate more than 64 MiB or overflow an int.
inline constexpr int kMaxBitmapSide = 4096;

constexpr std::size_t DibStride(std::size_t width, std::size_t bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}

}  // namespace richtext::wmf
