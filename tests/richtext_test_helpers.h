#pragma once
#include <string>
#include <string_view>

#include "rich_text_box.h"

namespace richtext::testing {

// A picture group as the report embeds it: `bytes` bytes of made-up metafile data as
// lower-case hex in lines of 128 digits; `seed` makes groups differ.
inline std::string MakePictureGroup(int seed, std::size_t bytes = 64) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string group = "{\\pict\\wmetafile8\\picw1058\\pich1323\\picwgoal600\\pichgoal750 ";
  unsigned state = static_cast<unsigned>(seed) * 2654435761u + 1u;
  for (std::size_t i = 0; i < bytes; ++i) {
    state = state * 1103515245u + 12345u;
    const unsigned byte = (state >> 16) & 0xFF;
    group += kDigits[byte >> 4];
    group += kDigits[byte & 0xF];
    if (i % 64 == 63) group += "\r\n";
  }
  group += "\r\n}";
  return group;
}

inline void ReplaceFirst(std::string& text, std::string_view what, std::string_view with) {
  const std::size_t at = text.find(what);
  if (at != std::string::npos) text.replace(at, what.size(), with);
}

// Embeds a picture at the caret the way the report does: two marker characters go in as
// text, the first is swapped for the picture group in the RTF, and the second, found and
// then removed, tells where the caret belongs.
inline bool EmbedPictureWithMarkers(RichTextBox& box, std::string_view group) {
  box.SetSelText(box.SelText() + "\u009D\u0081");
  std::string rtf = box.TextRTF();
  ReplaceFirst(rtf, "\\'9d", group);
  if (!box.SetTextRTF(rtf)) return false;
  const std::ptrdiff_t caret = box.Find("\u0081");
  if (caret < 0) return false;
  ReplaceFirst(rtf, "\\'81", "");
  if (!box.SetTextRTF(rtf)) return false;
  box.SetSelStart(static_cast<std::size_t>(caret));
  return true;
}

}  // namespace richtext::testing
