#pragma once
#include <string>
#include <string_view>
#include <variant>

#include "journal_format.h"

namespace baralune::interchange {

// Why a line of a journal file was not taken for a reading.
enum class Skip {
  Damaged,           // not a JSON object, or a member missing or of the wrong kind
  BadDate,           // a date and time, or a date of birth, that cannot be read
  UnknownSpread,     // a spread this Baralune does not know
  UnknownMode,       // a way of dealing this Baralune does not know
  UnknownLanguage,   // a language this Baralune does not write reports in
  BadCard,           // a card that is not in the deck
  DuplicateCard,     // the same card in two positions
  WrongCardCount,    // not as many cards as the spread has positions
  ControlCharacter,  // a control character in the name or the date of birth
  NameTooLong,       // a name longer than the main window takes
  LineTooLong,       // a line longer than any reading's
  Truncated,         // the file ends in the middle of this line
};
inline constexpr int kSkipReasons = static_cast<int>(Skip::Truncated) + 1;

// The reading as one line of the file, without its line end.
std::string ReadingLine(const Reading& reading);

// The reading a line holds, or why it holds none. The line is checked whole: a reading it gives
// can be shown and kept as it is.
std::variant<Reading, Skip> ParseReading(std::string_view line);

}  // namespace baralune::interchange
