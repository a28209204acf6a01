#pragma once
#include <QString>
#include <QUrl>
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

// The page an address found above stands for: the address itself when it starts with "http://"
// or "https://", else "http://" and the address. Empty unless the result is a valid http or
// https address with a host, so that "www.evil:payload" or "https://-x" never opens.
QUrl WebAddressUrl(const QString& address);

}  // namespace richtext
