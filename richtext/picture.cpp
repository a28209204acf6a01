#include "picture.h"

#include <cstdint>

namespace richtext {
namespace {

// One side in twips, in 64 bits so that no goal size or screen can overflow it; 0 when the
// side cannot be shown.
int DisplaySide(int goalTwips, int bitmapPixels, int twipsPerPixel) {
  const std::int64_t twips = goalTwips > 0 ? goalTwips : std::int64_t{bitmapPixels} * twipsPerPixel;
  return twips > 0 && twips <= kMaxPictureDisplayTwips ? static_cast<int>(twips) : 0;
}

}  // namespace

std::optional<TwipsSize> PictureDisplayTwips(const EmbeddedPicture& picture, int twipsPerPixel) {
  const Picture* bitmap = picture.bitmap.get();
  const TwipsSize size{
      DisplaySide(picture.goalWidthTwips, bitmap ? bitmap->width : 0, twipsPerPixel),
      DisplaySide(picture.goalHeightTwips, bitmap ? bitmap->height : 0, twipsPerPixel)};
  if (size.width == 0 || size.height == 0) return std::nullopt;
  return size;
}

}  // namespace richtext
