#pragma once
#include <cstdint>
#include <string_view>

namespace richtext {

// What the reader does with a control word.
enum class RtfAction : std::uint8_t {
  None,          // unknown or without effect here
  SkipGroup,     // a destination whose content is not document text
  ColorTable,    // \colortbl
  Picture,       // \pict
  ShapePicture,  // \shppict: its picture is the one to take
  Red,           // colour table components
  Green,
  Blue,
  Color,           // \cf
  Bold,            // \b
  Underline,       // \ul and its variants
  UnderlineNone,   // \ulnone
  Plain,           // \plain
  ParagraphReset,  // \pard
  AlignLeft,
  AlignCenter,
  AlignRight,
  Break,        // \par, \line, ...
  Character,    // a word standing for one character, e.g. \emdash
  Unicode,      // \u
  UnicodeSkip,  // \uc
};

struct RtfControlWord {
  std::string_view name;
  RtfAction action;
  char32_t character;  // for RtfAction::Character
};

// The entry for `name`, or one with RtfAction::None.
RtfControlWord LookUpControlWord(std::string_view name);

}  // namespace richtext
