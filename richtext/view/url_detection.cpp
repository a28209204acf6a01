#include "url_detection.h"

#include <array>

namespace richtext {

namespace {

char32_t Lower(char32_t c) {
  return (c >= U'A' && c <= U'Z') ? c + (U'a' - U'A') : c;
}

bool StartsWithNoCase(std::u32string_view text, std::size_t at, std::u32string_view prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Lower(text[at + i]) != prefix[i]) return false;
  }
  return true;
}

bool IsWordChar(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
         c == U'_' || c == U'-' || c == U'.' || c == U'/' || c == U':' || c > 0x7F;
}

bool EndsAddress(char32_t c) {
  return c <= U' ' || c == 0x7F || c == 0xA0 || c == U'"' || c == U'<' || c == U'>' ||
         c == U'\uFFFC' || c == 0x2028 || c == 0x2029;
}

bool IsClosingPunctuation(char32_t c) {
  return c == U'.' || c == U',' || c == U';' || c == U':' || c == U'!' || c == U'?' || c == U'\'' ||
         c == U')' || c == U']' || c == U'}';
}

constexpr std::array<std::u32string_view, 3> kPrefixes = {U"http://", U"https://", U"www."};

}  // namespace

std::vector<CharRange> FindWebAddresses(std::u32string_view text) {
  std::vector<CharRange> found;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t prefixLength = 0;
    if (i == 0 || !IsWordChar(text[i - 1])) {
      for (auto prefix : kPrefixes) {
        if (StartsWithNoCase(text, i, prefix)) {
          prefixLength = prefix.size();
          break;
        }
      }
    }
    if (prefixLength == 0) {
      ++i;
      continue;
    }
    std::size_t end = i + prefixLength;
    while (end < text.size() && !EndsAddress(text[end])) ++end;
    while (end > i + prefixLength && IsClosingPunctuation(text[end - 1])) --end;
    if (end > i + prefixLength) found.push_back({i, end});
    i = end > i ? end : i + 1;
  }
  return found;
}

QUrl WebAddressUrl(const QString& address) {
  const QString text = address.trimmed();
  const bool hasScheme = text.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
                         text.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive);
  if (!hasScheme && !text.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) return {};
  QUrl url(hasScheme ? text : QStringLiteral("http://") + text, QUrl::TolerantMode);
  // QUrl gives the scheme in lower case.
  const bool web =
      url.scheme() == QStringLiteral("http") || url.scheme() == QStringLiteral("https");
  if (!url.isValid() || !web || url.host().isEmpty()) return {};
  return url;
}

}  // namespace richtext
