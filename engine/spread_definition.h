#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "language.h"
#include "spreads.h"
#include "types.h"

namespace baralune {

// A reading of a reader's own spread carries this number where the four carry theirs; its
// definition travels beside it.
inline constexpr SpreadIndex kOwnSpread = kSpreadCount;

// Where the spread display has room for cards, in twips: below the spread's name and above
// the caption at the foot of the display.
inline constexpr int kSpreadAreaLeft = 0;
inline constexpr int kSpreadAreaTop = 360;
inline constexpr int kSpreadAreaRight = 10500;
inline constexpr int kSpreadAreaBottom = 7440;

// A spread designed by the reader: everything the report, the spread display and the printed
// reading need of it, in the reader's own words (no translation).
struct SpreadDefinition {
  struct Position {
    std::string text;  // as the report gives it, e.g. "Card 1: represents the past."
    Place place;
    bool operator==(const Position&) const = default;
  };
  struct Caption {
    std::string text;
    int left = 0;
    int top = 0;
    int width = 0;
    bool operator==(const Caption&) const = default;
  };

  std::string name;
  std::vector<std::string> description;  // paragraphs
  std::vector<Position> positions;       // position 1 first
  std::vector<Caption> rowCaptions;      // optional, like the Gypsy spread's

  bool operator==(const SpreadDefinition&) const = default;
};

inline constexpr std::size_t kMaxSpreadPositions = 21;
// Limits in Unicode characters: room enough for any real spread, and no more.
inline constexpr std::size_t kMaxSpreadNameLength = 60;
inline constexpr std::size_t kMaxSpreadTextLength = 2000;  // a paragraph or a position's text
inline constexpr std::size_t kMaxSpreadParagraphs = 20;
inline constexpr std::size_t kMaxRowCaptions = 10;
inline constexpr std::size_t kMaxCaptionLength = 40;

// What is wrong with a spread; `first` and `second` are 1-based position (or caption) numbers
// where the problem has them.
struct SpreadProblem {
  enum class Kind {
    NoName,
    NameTooLong,
    BadText,  // not UTF-8, or a control character
    TextTooLong,
    TooManyParagraphs,
    NoPositions,
    TooManyPositions,
    EmptyPosition,
    Outside,  // a card lies (partly) off the display
    Overlap,  // cards `first` and `second` overlap
    TooManyCaptions,
    CaptionOutside,
  };
  Kind kind;
  int first = 0;
  int second = 0;
  bool operator==(const SpreadProblem&) const = default;
};

// The first problem that keeps `spread` from being read, or none.
std::optional<SpreadProblem> CheckSpread(const SpreadDefinition& spread);

// The problem in a line of the reader's language, for the dealer and the browser.
std::string DescribeSpreadProblem(const SpreadProblem& problem, Language language);

// One of the four spreads written out as a reader would define it, in `language`: where a
// reader starts from when duplicating it.
SpreadDefinition DefinitionOf(SpreadIndex spread, Language language);

// Whether two card boxes overlap.
bool CardsOverlap(Place a, Place b);
// Whether a card at `place` lies wholly in the room for cards.
bool CardInside(Place place);

// Characters in `text` when it is UTF-8 without control characters; none otherwise. Line
// ends are control characters too: a paragraph is a paragraph, a name a line.
std::optional<std::size_t> PlainTextLength(std::string_view text);

}  // namespace baralune
