#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "picture.h"

namespace richtext {

// Recovers the bitmap a metafile draws with its (first) DIB bit-block transfer, as our writer
// records it. Anything malformed, truncated or absurdly large yields nothing.
std::optional<Picture> DecodeBitmapMetafile(std::span<const std::uint8_t> metafile);

}  // namespace richtext
