#include "picture_embedding.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "metafile_writer.h"

namespace richtext {
namespace {

// The markers bracket the insertion point as plain text. Both are unassigned in code page
// 1252, so the box writes them as the escapes below and nothing else in a report uses them.
constexpr char32_t kStartMarkerChar = 0x9D;
constexpr char32_t kEndMarkerChar = 0x81;
constexpr std::string_view kStartMarker = "\xC2\x9D";  // U+009D in UTF-8
constexpr std::string_view kEndMarker = "\xC2\x81";    // U+0081 in UTF-8
constexpr std::string_view kStartMarkerRtf = "\\'9d";
constexpr std::string_view kEndMarkerRtf = "\\'81";
// What the end marker gives way to: an empty group, which reads as nothing yet still ends a
// control word before it ("\tab" must not run into the digits or letters that follow).
constexpr std::string_view kEndMarkerGone = "{}";

constexpr std::size_t kHexBytesPerLine = 39;
constexpr std::string_view kLineBreak = "\r\n";

// Lower-case digit pairs for every byte value, so that encoding is one table load a byte.
constexpr std::array<char, 512> MakeHexTable() {
  constexpr std::string_view digits = "0123456789abcdef";
  std::array<char, 512> table{};
  for (std::size_t byte = 0; byte < 256; ++byte) {
    table[byte * 2] = digits[byte >> 4];
    table[byte * 2 + 1] = digits[byte & 0xF];
  }
  return table;
}
constexpr std::array<char, 512> kHexTable = MakeHexTable();

void AppendHexLines(std::string& out, std::span<const std::uint8_t> bytes) {
  for (std::size_t start = 0; start < bytes.size(); start += kHexBytesPerLine) {
    out += kLineBreak;
    const std::size_t end = std::min(bytes.size(), start + kHexBytesPerLine);
    for (std::size_t i = start; i < end; ++i) {
      out.append(&kHexTable[std::size_t{bytes[i]} * 2], 2);
    }
  }
}

// One pass over `text` into `out`: the document's RTF is large and read twice per picture,
// so repeated in-place replacement would cost far more.
void ReplaceAll(std::string_view text, std::string_view from, std::string_view to,
                std::string& out) {
  out.clear();
  out.reserve(text.size() + to.size());
  std::size_t done = 0;
  for (std::size_t at = text.find(from); at != std::string_view::npos;
       at = text.find(from, at + from.size())) {
    out.append(text.substr(done, at - done));
    out.append(to);
    done = at + from.size();
  }
  out.append(text.substr(done));
}

// Replaces every `what` with the shorter `with` in one pass, in place: the text only shrinks,
// so no second copy of the document is made, and with the marker near the end little moves.
void ShrinkAll(std::string& text, std::string_view what, std::string_view with) {
  std::size_t at = text.find(what);
  std::size_t out = at;
  while (at != std::string::npos) {
    std::copy(with.begin(), with.end(), text.begin() + static_cast<std::ptrdiff_t>(out));
    out += with.size();
    const std::size_t from = at + what.size();
    at = text.find(what, from);
    const std::size_t end = at == std::string::npos ? text.size() : at;
    std::copy(text.begin() + static_cast<std::ptrdiff_t>(from),
              text.begin() + static_cast<std::ptrdiff_t>(end),
              text.begin() + static_cast<std::ptrdiff_t>(out));
    out += end - from;
  }
  if (out != std::string::npos) text.resize(out);
}

// The markers work only when nothing else in the box's RTF reads like them: not a character of
// the text, nor an escape inside a picture group (a foreign group may hold one in a
// destination of its own). A selected picture would be retyped as text and lost.
bool MarkersCanBeUsed(const RichTextBox& box) {
  const Document& doc = box.document();
  if (doc.chars.find_first_of(std::u32string{kStartMarkerChar, kEndMarkerChar}) !=
      std::u32string::npos) {
    return false;
  }
  for (const auto& picture : doc.pictures) {
    if (picture->rtfGroup.find(kStartMarkerRtf) != std::string::npos ||
        picture->rtfGroup.find(kEndMarkerRtf) != std::string::npos) {
      return false;
    }
  }
  const auto selected = std::u32string_view(doc.chars).substr(box.SelStart(), box.SelLength());
  return selected.find(Document::kPictureChar) == std::u32string_view::npos;
}

// Deletes `count` characters at `pos` through the box's selection.
void DeleteChars(RichTextBox& box, std::size_t pos, std::size_t count) {
  box.SetSelStart(pos);
  box.SetSelLength(count);
  box.SetSelText("");
}

}  // namespace

std::string PictureToRtf(const Picture& picture, ScreenTwips twips) {
  const std::vector<std::uint8_t> metafile = RecordBitmapMetafile(picture);
  if (metafile.empty()) return {};
  // In 64 bits: an absurd screen must not overflow.
  const std::int64_t goalWidth = std::int64_t{picture.width} * twips.x;
  const std::int64_t goalHeight = std::int64_t{picture.height} * twips.y;
  if (goalWidth < 1 || goalWidth > kMaxPictureDisplayTwips || goalHeight < 1 ||
      goalHeight > kMaxPictureDisplayTwips) {
    return {};
  }
  std::string header = "{\\pict\\wmetafile8";
  header += "\\picw" + std::to_string(picture.widthHimetric);
  header += "\\pich" + std::to_string(picture.heightHimetric);
  header += "\\picwgoal" + std::to_string(goalWidth);
  header += "\\pichgoal" + std::to_string(goalHeight);
  header += ' ';

  const std::size_t lines = (metafile.size() + kHexBytesPerLine - 1) / kHexBytesPerLine;
  std::string rtf;
  rtf.reserve(header.size() + metafile.size() * 2 + (lines + 1) * kLineBreak.size() + 1);
  rtf += header;
  AppendHexLines(rtf, metafile);
  rtf += kLineBreak;
  rtf += '}';
  return rtf;
}

bool InsertPicture(RichTextBox& box, const Picture& picture, ScreenTwips twips) {
  // The group is a pure function of the picture; building it first means a picture that
  // cannot be recorded leaves the box untouched.
  const std::string group = PictureToRtf(picture, twips);
  if (group.empty()) return false;
  if (!MarkersCanBeUsed(box)) return false;

  const std::size_t start = box.SelStart();
  const std::size_t selectedLength = box.SelLength();
  const CharFormat format = box.InsertionFormat();
  std::string marked(kStartMarker);
  marked += box.SelText();
  marked += kEndMarker;
  box.SetSelText(marked);

  // Whether the first or second SetTextRTF fails, `start` holds the start marker or the
  // picture and the end marker follows the selected text: removing both restores the box.
  // The attributes in force come back too (the selected text was retyped with them).
  const auto undo = [&] {
    DeleteChars(box, start + 1 + selectedLength, 1);
    DeleteChars(box, start, 1);
    box.SetSelStart(start);
    box.SetSelLength(selectedLength);
    box.SetSelColor(format.color);
    box.SetSelBold(format.bold);
    box.SetSelUnderline(format.underline);
    return false;
  };

  // A report grows to about a megabyte and goes through here twice per picture: keeping the
  // working buffers spares mapping fresh memory for every picture.
  thread_local std::string exported;
  thread_local std::string rtf;
  box.WriteTextRTF(exported);
  ReplaceAll(exported, kStartMarkerRtf, group, rtf);
  if (!box.SetTextRTF(rtf)) return undo();
  const std::ptrdiff_t behindPicture = box.Find(kEndMarker);
  ShrinkAll(rtf, kEndMarkerRtf, kEndMarkerGone);
  if (!box.SetTextRTF(rtf)) return undo();
  box.SetSelStart(behindPicture < 0 ? box.Length() : static_cast<std::size_t>(behindPicture));
  return true;
}

}  // namespace richtext
