#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace richtext {

// A 24-bit bitmap together with its physical size in HIMETRIC (0.01 mm).
struct Picture {
  int width = 0;   // pixels
  int height = 0;  // pixels
  // Top-down rows of R, G, B bytes, width * 3 bytes a row, no padding.
  std::vector<std::uint8_t> rgb;
  int widthHimetric = 0;
  int heightHimetric = 0;

  // HIMETRIC of a pixel length at 96 dots per inch, rounded to nearest (40 -> 1058).
  static int PixelsToHimetric(int pixels) { return (pixels * 2540 + 48) / 96; }
  static Picture FromRgb(int width, int height, std::vector<std::uint8_t> rgb) {
    return Picture{width, height, std::move(rgb), PixelsToHimetric(width),
                   PixelsToHimetric(height)};
  }
};

// A picture as it sits in a document: the RTF picture group it was read from, kept byte for
// byte so that writing the document reproduces it, and the bitmap decoded from it (null when
// the group holds nothing we can decode).
struct EmbeddedPicture {
  std::string rtfGroup;                   // "{\pict ... }"
  std::shared_ptr<const Picture> bitmap;  // may be null
  int goalWidthTwips = 0;                 // display size from \picwgoal/\pichgoal, 0 if absent
  int goalHeightTwips = 0;
};

// The longest side a picture is shown at, in twips: the largest 16-bit twip count (about 22.75
// inches), more than the largest page a word processor lays out; a card picture is 600 x 750.
inline constexpr int kMaxPictureDisplayTwips = 32767;

struct TwipsSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipsSize&, const TwipsSize&) = default;
};

// The size a picture is shown at: its goal size, where a side has none its bitmap's side at
// `twipsPerPixel`. Nothing when a side comes out as 0 or above kMaxPictureDisplayTwips: such a
// picture cannot be shown and keeps only its place in the text.
std::optional<TwipsSize> PictureDisplayTwips(const EmbeddedPicture& picture, int twipsPerPixel);

}  // namespace richtext
