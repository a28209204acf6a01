#include "document.h"

#include <algorithm>

namespace richtext {

std::size_t Document::PictureIndexAt(std::size_t pos) const {
  const auto end = chars.begin() + static_cast<std::ptrdiff_t>(std::min(pos, chars.size()));
  return static_cast<std::size_t>(std::count(chars.begin(), end, kPictureChar));
}

std::size_t Document::ParagraphIndexAt(std::size_t pos) const {
  const auto end = chars.begin() + static_cast<std::ptrdiff_t>(std::min(pos, chars.size()));
  return static_cast<std::size_t>(std::count(chars.begin(), end, kParagraphBreak));
}

bool Document::IsConsistent() const {
  if (formats.size() != chars.size()) return false;
  const auto breaks =
      static_cast<std::size_t>(std::count(chars.begin(), chars.end(), kParagraphBreak));
  if (paragraphs.size() != breaks + 1) return false;
  const auto pictureChars =
      static_cast<std::size_t>(std::count(chars.begin(), chars.end(), kPictureChar));
  if (pictures.size() != pictureChars) return false;
  return std::all_of(pictures.begin(), pictures.end(), [](const auto& p) { return p != nullptr; });
}

bool SameContent(const Document& a, const Document& b) {
  if (a.chars != b.chars || a.formats != b.formats || a.paragraphs != b.paragraphs ||
      a.pictures.size() != b.pictures.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.pictures.size(); ++i) {
    const EmbeddedPicture* p = a.pictures[i].get();
    const EmbeddedPicture* q = b.pictures[i].get();
    if (p == q) continue;
    if (!p || !q || p->rtfGroup != q->rtfGroup || p->goalWidthTwips != q->goalWidthTwips ||
        p->goalHeightTwips != q->goalHeightTwips) {
      return false;
    }
  }
  return true;
}

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  std::size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    }
    // Sequence length, payload bits of the lead byte and the smallest value of that length.
    std::size_t length = 0;
    char32_t c = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      c = lead & 0x1F;
      min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      c = lead & 0x0F;
      min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      c = lead & 0x07;
      min = 0x10000;
    }
    bool valid = length != 0 && i + length <= utf8.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
      const unsigned char next = byte(i + k);
      valid = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if (valid && (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) valid = false;
    if (valid) {
      out.push_back(c);
      i += length;
    } else {
      out.push_back(U'\uFFFD');
      ++i;
    }
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char32_t c : text) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = U'\uFFFD';
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace richtext
