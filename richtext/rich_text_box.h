#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document.h"

namespace richtext {

// The report box: a document with a caret, a selection and the attributes that the next
// inserted text takes. Positions count characters; a paragraph break and a picture are one
// character each.
class RichTextBox {
 public:
  // Whole plain text; paragraph breaks read as "\n". Setting it replaces everything with
  // unformatted text (setting "" clears the box); the caret goes to the end.
  std::string Text() const;
  void SetText(std::string_view utf8);
  std::size_t Length() const { return doc_.size(); }

  // Selection.
  std::size_t SelStart() const { return selStart_; }
  std::size_t SelLength() const { return selLength_; }
  // Moves the caret (clamped to the length) and empties the selection. The next inserted text
  // takes the attributes of the character before the caret.
  void SetSelStart(std::size_t pos);
  void SetSelLength(std::size_t length);
  std::string SelText() const;
  // Replaces the selection with `utf8` ("\r\n", "\r" and "\n" each become one paragraph
  // break); the caret ends just behind the inserted text with an empty selection.
  void SetSelText(std::string_view utf8);

  // Attributes of the selection; on an empty selection they apply to the next inserted text
  // and stay in force until changed. Alignment applies to the paragraphs of the selection.
  void SetSelColor(Rgb color);
  void SetSelBold(bool bold);
  void SetSelUnderline(bool underline);
  void SetSelAlignment(Alignment alignment);
  const CharFormat& InsertionFormat() const { return insertionFormat_; }

  // Whole document as RTF. Setting it replaces the content only when the RTF is read
  // without error; otherwise the box stays as it was and `error` (if given) says why.
  std::string TextRTF() const;
  // The same RTF into `out`, whose buffer is reused: cheaper for a large document read often.
  void WriteTextRTF(std::string& out) const;
  bool SetTextRTF(std::string_view rtf, std::string* error = nullptr);
  // Windows language id the RTF declares for the text (0: none). Kept when the text is set;
  // RTF read into the box declares none.
  void SetLanguage(std::uint16_t windowsLanguageId) { doc_.language = windowsLanguageId; }

  // 0-based position of the first occurrence of `utf8` in the plain text, or -1.
  std::ptrdiff_t Find(std::string_view utf8) const;

  const Document& document() const { return doc_; }
  // Grows by one on every change of the content; views redraw when it moves.
  std::uint64_t Revision() const { return revision_; }

 private:
  void Touch();
  // Paragraph holding `pos`, counted quickly at the end of the document.
  std::size_t ParagraphOf(std::size_t pos) const;
  void RemoveRange(std::size_t pos, std::size_t length);
  // Inserts `text` at `pos` in the insertion format.
  void InsertAt(std::size_t pos, std::u32string_view text);
  // Applies `change` to the insertion format and to the selected characters.
  template <typename Change>
  void ChangeSelectionFormat(Change change);

  Document doc_;
  Document spare_;  // buffers kept from the previous content for the next RTF read
  std::size_t selStart_ = 0;
  std::size_t selLength_ = 0;
  CharFormat insertionFormat_;
  std::uint64_t revision_ = 0;
};

}  // namespace richtext
