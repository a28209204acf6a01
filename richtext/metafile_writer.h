#pragma once
#include <cstdint>
#include <vector>

#include "picture.h"

namespace richtext {

// Records a bitmap as a standard Windows metafile (no placeable header): set map mode
// (anisotropic), window origin (0, 0), window extent (w, h), save state, one DIB bit-block
// transfer of the 24-bit bitmap to (0, 0) with SRCCOPY, restore state (-1), end of file.
// The metafile is built in memory. A picture whose rgb does not match its size, or with a side
// of 0 or above 4096 pixels, cannot be recorded and yields an empty vector.
std::vector<std::uint8_t> RecordBitmapMetafile(const Picture& picture);

}  // namespace richtext
