#pragma once
// The journal file: one header line naming the format and its version, then one reading per
// line, each a JSON object (JSON Lines, UTF-8). The README describes it for other programs.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <optional>

#include "language.h"
#include "spread_definition.h"
#include "types.h"

namespace baralune::interchange {

inline constexpr std::string_view kFormatName = "baralune-journal";
// Raised only for a change an older Baralune could not read; members an older reader does not
// know are ignored, so adding one keeps the version.
inline constexpr int kFormatVersion = 1;

// The longest name the main window's name field takes, in UTF-16 code units (its default).
inline constexpr std::size_t kMaxNameLength = 32767;

// How the cards were dealt; the numbers are the journal's.
enum class Mode : std::uint8_t { Automatic = 0, Manual = 1, OwnCards = 2 };

// One reading as the file carries it: all it takes to show the reading again.
struct Reading {
  std::int64_t dealtMsecs = 0;  // the moment it was dealt, milliseconds since 1970 UTC
  int utcOffsetSeconds = 0;     // of the clock it was dealt by
  std::string name;             // as typed, UTF-8
  std::string birthDate;        // yyyy-MM-dd as picked (days no month has included), or empty
  SpreadIndex spread = 0;       // kOwnSpread: the reader's own, `ownSpread`
  std::optional<SpreadDefinition> ownSpread;  // as it was dealt
  Mode mode = Mode::Automatic;
  std::vector<CardIndex> cards;  // the card of each position, in order
  Language language = Language::English;
  std::string notes;  // the reader's own words on it, UTF-8; the member is left out when empty

  bool operator==(const Reading&) const = default;
};

// What a reader takes before it refuses a file or a line. A line holds a name of the longest
// length even where every character is written as a \u escape, and the longest notes the Notes
// window takes (100,000 UTF-16 units, at most 3 bytes each in UTF-8, 6 as an escape) beside the
// largest spread of the reader's own.
struct Limits {
  std::size_t maxLineBytes = 1024 * 1024;
  std::size_t maxRows = 200'000;
  std::uint64_t maxBytes = 64ull * 1024 * 1024;
};

}  // namespace baralune::interchange
