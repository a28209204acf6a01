#include "rich_text_box.h"

#include <algorithm>

#include "rtf_reader.h"
#include "rtf_writer.h"

namespace richtext {
namespace {

// "\r\n", "\r" and "\n" each become one paragraph break.
std::u32string WithParagraphBreaks(std::string_view utf8) {
  std::u32string text = DecodeUtf8(utf8);
  std::size_t out = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c == U'\r') {
      if (i + 1 < text.size() && text[i + 1] == U'\n') ++i;
      c = Document::kParagraphBreak;
    }
    text[out++] = c;
  }
  text.resize(out);
  return text;
}

// Text as the document can hold it: control characters other than tab and paragraph breaks
// are dropped, and a picture placeholder without a picture is replaced.
std::u32string InsertableText(std::string_view utf8) {
  std::u32string text = WithParagraphBreaks(utf8);
  std::size_t out = 0;
  for (char32_t c : text) {
    if (c < 0x20 && c != U'\t' && c != Document::kParagraphBreak) continue;
    text[out++] = c == Document::kPictureChar ? U'\uFFFD' : c;
  }
  text.resize(out);
  return text;
}

std::ptrdiff_t Offset(std::size_t pos) {
  return static_cast<std::ptrdiff_t>(pos);
}

}  // namespace

std::string RichTextBox::Text() const {
  return EncodeUtf8(doc_.chars);
}

void RichTextBox::SetText(std::string_view utf8) {
  Document fresh;
  fresh.language = doc_.language;
  fresh.chars = InsertableText(utf8);
  fresh.formats.assign(fresh.chars.size(), CharFormat{});
  fresh.paragraphs.assign(fresh.ParagraphIndexAt(fresh.size()) + 1, Alignment::Left);
  doc_ = std::move(fresh);
  selStart_ = doc_.size();
  selLength_ = 0;
  insertionFormat_ = CharFormat{};
  Touch();
}

void RichTextBox::SetSelStart(std::size_t pos) {
  selStart_ = std::min(pos, doc_.size());
  selLength_ = 0;
  if (selStart_ > 0) {
    insertionFormat_ = doc_.formats[selStart_ - 1];
  } else if (!doc_.empty()) {
    insertionFormat_ = doc_.formats[0];
  }
}

void RichTextBox::SetSelLength(std::size_t length) {
  selLength_ = std::min(length, doc_.size() - selStart_);
}

std::string RichTextBox::SelText() const {
  return EncodeUtf8(std::u32string_view(doc_.chars).substr(selStart_, selLength_));
}

void RichTextBox::SetSelText(std::string_view utf8) {
  const std::u32string text = InsertableText(utf8);
  if (selLength_ == 0 && text.empty()) return;
  RemoveRange(selStart_, selLength_);
  InsertAt(selStart_, text);
  selStart_ += text.size();
  selLength_ = 0;
  Touch();
}

std::size_t RichTextBox::ParagraphOf(std::size_t pos) const {
  // Appending is the common case; it needs no count.
  if (pos >= doc_.size()) return doc_.paragraphs.size() - 1;
  return doc_.ParagraphIndexAt(pos);
}

void RichTextBox::RemoveRange(std::size_t pos, std::size_t length) {
  if (length == 0) return;
  const auto first = doc_.chars.begin() + Offset(pos);
  const auto last = first + Offset(length);
  const auto breaks = std::count(first, last, Document::kParagraphBreak);
  const auto pictures = std::count(first, last, Document::kPictureChar);
  if (breaks > 0) {
    // The paragraph where the removal starts keeps its alignment.
    const auto paragraph = doc_.paragraphs.begin() + Offset(doc_.ParagraphIndexAt(pos) + 1);
    doc_.paragraphs.erase(paragraph, paragraph + breaks);
  }
  if (pictures > 0) {
    const auto picture = doc_.pictures.begin() + Offset(doc_.PictureIndexAt(pos));
    doc_.pictures.erase(picture, picture + pictures);
  }
  doc_.chars.erase(first, last);
  doc_.formats.erase(doc_.formats.begin() + Offset(pos),
                     doc_.formats.begin() + Offset(pos + length));
}

void RichTextBox::InsertAt(std::size_t pos, std::u32string_view text) {
  const auto breaks =
      static_cast<std::size_t>(std::count(text.begin(), text.end(), Document::kParagraphBreak));
  if (breaks > 0) {
    // Both halves of a split paragraph keep its alignment.
    const std::size_t paragraph = ParagraphOf(pos);
    const Alignment alignment = doc_.paragraphs[paragraph];
    doc_.paragraphs.insert(doc_.paragraphs.begin() + Offset(paragraph + 1), breaks, alignment);
  }
  doc_.chars.insert(pos, text);
  doc_.formats.insert(doc_.formats.begin() + Offset(pos), text.size(), insertionFormat_);
}

template <typename Change>
void RichTextBox::ChangeSelectionFormat(Change change) {
  change(insertionFormat_);
  bool changed = false;
  for (std::size_t i = selStart_; i < selStart_ + selLength_; ++i) {
    const CharFormat before = doc_.formats[i];
    change(doc_.formats[i]);
    changed = changed || !(before == doc_.formats[i]);
  }
  if (changed) Touch();
}

void RichTextBox::SetSelColor(Rgb color) {
  ChangeSelectionFormat([color](CharFormat& f) { f.color = color; });
}

void RichTextBox::SetSelBold(bool bold) {
  ChangeSelectionFormat([bold](CharFormat& f) { f.bold = bold; });
}

void RichTextBox::SetSelUnderline(bool underline) {
  ChangeSelectionFormat([underline](CharFormat& f) { f.underline = underline; });
}

void RichTextBox::SetSelAlignment(Alignment alignment) {
  const std::size_t first = ParagraphOf(selStart_);
  const std::size_t last = selLength_ == 0 ? first : ParagraphOf(selStart_ + selLength_ - 1);
  bool changed = false;
  for (std::size_t p = first; p <= last; ++p) {
    changed = changed || doc_.paragraphs[p] != alignment;
    doc_.paragraphs[p] = alignment;
  }
  if (changed) Touch();
}

std::string RichTextBox::TextRTF() const {
  return WriteRtf(doc_);
}

void RichTextBox::WriteTextRTF(std::string& out) const {
  WriteRtf(doc_, out);
}

bool RichTextBox::SetTextRTF(std::string_view rtf, std::string* error) {
  RtfReadResult result = ReadRtf(rtf, &doc_, std::move(spare_));
  if (!result.document) {
    if (error) *error = std::move(result.error);
    return false;
  }
  // The old content's buffers serve the next read.
  spare_ = std::move(doc_);
  doc_ = std::move(*result.document);
  selStart_ = 0;
  selLength_ = 0;
  insertionFormat_ = doc_.empty() ? CharFormat{} : doc_.formats[0];
  Touch();
  return true;
}

std::ptrdiff_t RichTextBox::Find(std::string_view utf8) const {
  const std::size_t pos = doc_.chars.find(WithParagraphBreaks(utf8));
  return pos == std::u32string::npos ? -1 : static_cast<std::ptrdiff_t>(pos);
}

void RichTextBox::Touch() {
  ++revision_;
}

}  // namespace richtext
