#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

namespace richtext {

// A run of characters [first, end) in document positions.
struct CharRange {
  std::size_t first = 0;
  std::size_t end = 0;
  friend bool operator==(const CharRange&, const CharRange&) = default;
};

// The web addresses in a text: runs that start with "http://", "https://" or "www." (any case)
// at the start of a word and go on to the next space, line end, picture, quote or angle
// bracket; closing punctuation (. , ; : ! ? ' and closing brackets) at the end is left out.
std::vector<CharRange> FindWebAddresses(std::u32string_view text);

}  // namespace richtext
