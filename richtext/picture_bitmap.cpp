#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "metafile_reader.h"
#include "picture_group.h"

namespace richtext {

// Bad picture data (a non-hex byte, an odd number of hex digits) has already failed the whole
// read in DecodePictureGroup. A well-formed group that holds no metafile we can decode (another
// picture kind, a truncated, corrupt or absurdly large metafile) is kept with a null bitmap:
// the document still shows where it is and writes it back byte for byte.
std::shared_ptr<const Picture> DecodePictureBitmap(const PictureGroupInfo& info,
                                                   std::string_view group) {
  if (info.kind != "wmetafile") return nullptr;
  const std::vector<std::uint8_t> metafile = PictureGroupData(group);
  std::optional<Picture> bitmap = DecodeBitmapMetafile(metafile);
  if (!bitmap) return nullptr;
  return std::make_shared<const Picture>(std::move(*bitmap));
}

}  // namespace richtext
