#pragma once
#include <cstdint>

namespace richtext {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class Alignment : std::uint8_t { Left, Center, Right };

// Character attributes the report uses; the font is the box's own and never changes.
// Four bytes, so that the per-character attribute arrays fill and copy as plain words.
struct CharFormat {
  Rgb color;
  bool bold : 1 = false;
  bool underline : 1 = false;
  friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

}  // namespace richtext
