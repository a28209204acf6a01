#include "metafile_reader.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "little_endian.h"
#include "metafile_records.h"

namespace richtext {
namespace {

using Bytes = std::span<const std::uint8_t>;

// A placeable header (22 bytes, key D7 CD C6 9A) may precede a metafile read from a file.
constexpr std::size_t kPlaceableHeaderBytes = 22;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
// More colour-table entries than any bitmap can use: the count is not trusted beyond this.
constexpr std::uint32_t kMaxColourTableEntries = 256;

// Reads a packed DIB of 24 or 32 bits per pixel without compression into top-down RGB.
std::optional<Picture> DecodePackedDib(Bytes dib) {
  if (dib.size() < wmf::kBitmapInfoHeaderBytes) return std::nullopt;
  const std::uint32_t headerBytes = LoadU32(dib, 0);
  const std::int32_t width = LoadI32(dib, 4);
  const std::int32_t signedHeight = LoadI32(dib, 8);
  const std::uint16_t planes = LoadU16(dib, 12);
  const std::uint16_t bitsPerPixel = LoadU16(dib, 14);
  const std::uint32_t compression = LoadU32(dib, 16);
  const std::uint32_t coloursUsed = LoadU32(dib, 32);

  if (headerBytes < wmf::kBitmapInfoHeaderBytes || headerBytes > dib.size()) return std::nullopt;
  if (planes != 1 || (bitsPerPixel != 24 && bitsPerPixel != 32)) return std::nullopt;
  if (compression != wmf::kBiRgb || coloursUsed > kMaxColourTableEntries) return std::nullopt;
  // A negative height means top-down rows; compare in 64 bits so INT32_MIN cannot overflow.
  const std::int64_t height = signedHeight < 0 ? -std::int64_t{signedHeight} : signedHeight;
  if (width < 1 || width > wmf::kMaxBitmapSide || height < 1 || height > wmf::kMaxBitmapSide) {
    return std::nullopt;
  }

  const auto w = static_cast<std::size_t>(width);
  const auto h = static_cast<std::size_t>(height);
  const std::size_t bytesPerPixel = bitsPerPixel / 8;
  const std::size_t stride = wmf::DibStride(w, bitsPerPixel);
  // A 24-bit bitmap may carry an optional colour table; the pixels follow it.
  const std::size_t pixelOffset = headerBytes + std::size_t{coloursUsed} * 4;
  if (pixelOffset > dib.size() || stride * h > dib.size() - pixelOffset) return std::nullopt;

  std::vector<std::uint8_t> rgb(w * h * 3);
  const bool bottomUp = signedHeight > 0;
  for (std::size_t y = 0; y < h; ++y) {
    const std::size_t sourceRow = bottomUp ? h - 1 - y : y;
    const std::uint8_t* source = dib.data() + pixelOffset + sourceRow * stride;
    std::uint8_t* target = rgb.data() + y * w * 3;
    for (std::size_t x = 0; x < w; ++x, source += bytesPerPixel, target += 3) {
      target[0] = source[2];
      target[1] = source[1];
      target[2] = source[0];
    }
  }
  return Picture::FromRgb(width, static_cast<int>(height), std::move(rgb));
}

// The bitmap of a DIB bit-block transfer or a plain StretchDIB record (header included).
std::optional<Picture> DecodeBitmapRecord(std::uint16_t function, Bytes record) {
  const std::size_t params = wmf::kRecordHeaderBytes;
  if (function == wmf::kDibBitBlt) {
    if (record.size() < params + wmf::kDibBitBltParamBytes) return std::nullopt;
    return DecodePackedDib(record.subspan(params + wmf::kDibBitBltParamBytes));
  }
  // StretchDIB: only colours given as RGB values, not as palette indices.
  if (record.size() < params + wmf::kStretchDibParamBytes) return std::nullopt;
  if (LoadU16(record, params + 4) != wmf::kDibRgbColors) return std::nullopt;
  return DecodePackedDib(record.subspan(params + wmf::kStretchDibParamBytes));
}

}  // namespace

std::optional<Picture> DecodeBitmapMetafile(std::span<const std::uint8_t> metafile) {
  Bytes file = metafile;
  if (file.size() >= kPlaceableHeaderBytes && LoadU32(file, 0) == kPlaceableKey) {
    file = file.subspan(kPlaceableHeaderBytes);
  }
  if (file.size() < wmf::kHeaderBytes) return std::nullopt;
  const std::uint16_t type = LoadU16(file, 0);
  if ((type != wmf::kMemoryMetafile && type != wmf::kDiskMetafile) ||
      LoadU16(file, 2) != wmf::kHeaderWords) {
    return std::nullopt;
  }
  // A file shorter than its header says has been truncated.
  const std::uint64_t declaredBytes = std::uint64_t{LoadU32(file, 6)} * 2;
  if (declaredBytes < wmf::kHeaderBytes || declaredBytes > file.size()) return std::nullopt;
  file = file.first(static_cast<std::size_t>(declaredBytes));

  // Every record takes at least 6 bytes, so the walk ends after file.size() / 6 steps.
  std::size_t offset = wmf::kHeaderBytes;
  while (file.size() - offset >= wmf::kRecordHeaderBytes) {
    const std::uint32_t words = LoadU32(file, offset);
    const std::uint16_t function = LoadU16(file, offset + 4);
    if (words < wmf::kMinRecordWords || words > (file.size() - offset) / 2) return std::nullopt;
    const Bytes record = file.subspan(offset, std::size_t{words} * 2);
    if (function == wmf::kEof) return std::nullopt;
    const bool drawsBitmap =
        function == wmf::kStretchDib ||
        (function == wmf::kDibBitBlt && words != wmf::kDibBitBltWithoutBitmapWords);
    if (drawsBitmap) return DecodeBitmapRecord(function, record);
    offset += record.size();
  }
  return std::nullopt;
}

}  // namespace richtext
