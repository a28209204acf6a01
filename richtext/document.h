#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "format.h"
#include "picture.h"

namespace richtext {

// The content of a rich-text document: characters with their attributes, paragraph
// alignments and embedded pictures. Plain data; RichTextBox keeps it consistent.
//
// Invariants:
//  - formats.size() == chars.size();
//  - a paragraph ends at each kParagraphBreak; paragraphs.size() == breaks + 1;
//  - each kPictureChar has its picture in `pictures`, in document order.
struct Document {
  static constexpr char32_t kParagraphBreak = U'\n';
  static constexpr char32_t kPictureChar = U'\uFFFC';

  std::u32string chars;
  std::vector<CharFormat> formats;
  std::vector<Alignment> paragraphs{Alignment::Left};
  std::vector<std::shared_ptr<const EmbeddedPicture>> pictures;
  // Windows language id of the text (1033 English, 3082 Spanish), so that word processors
  // check its spelling in the right language; 0 says nothing.
  std::uint16_t language = 0;

  std::size_t size() const { return chars.size(); }
  bool empty() const { return chars.empty(); }
  // Index into `pictures` of the picture character at `pos`.
  std::size_t PictureIndexAt(std::size_t pos) const;
  // Index into `paragraphs` of the paragraph holding `pos`.
  std::size_t ParagraphIndexAt(std::size_t pos) const;
  // True when every invariant above holds.
  bool IsConsistent() const;
};

// True when both hold the same characters, formats, alignments and pictures (compared by
// their group bytes and display sizes).
bool SameContent(const Document& a, const Document& b);

// UTF-8 <-> UTF-32 for the box's text interface. Invalid UTF-8 bytes become U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace richtext
