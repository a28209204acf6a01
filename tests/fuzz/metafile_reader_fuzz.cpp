// Reads arbitrary bytes as a metafile. Reading must never crash; a bitmap that was read must be
// within the sizes we accept, hold exactly its pixels, and read back the same once recorded by
// our own writer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

#include "fuzz_target.h"
#include "metafile_reader.h"
#include "metafile_records.h"
#include "metafile_writer.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<richtext::Picture> picture =
      richtext::DecodeBitmapMetafile(std::span<const std::uint8_t>(data, size));
  if (!picture) return 0;
  Require(picture->width >= 1 && picture->width <= richtext::wmf::kMaxBitmapSide);
  Require(picture->height >= 1 && picture->height <= richtext::wmf::kMaxBitmapSide);
  Require(picture->rgb.size() ==
          static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height) * 3);

  const std::vector<std::uint8_t> recorded = richtext::RecordBitmapMetafile(*picture);
  Require(!recorded.empty());
  const std::optional<richtext::Picture> again = richtext::DecodeBitmapMetafile(recorded);
  Require(again.has_value());
  Require(again->width == picture->width && again->height == picture->height);
  Require(again->rgb == picture->rgb);
  Require(richtext::RecordBitmapMetafile(*again) == recorded);
  return 0;
}
