#pragma once
#include "rich_text_box.h"
#include "types.h"

namespace baralune {

struct Reading;
struct SpreadDefinition;

// The spread display: the drawn faces laid out in the spread's shape.
class SpreadDisplay {
 public:
  virtual ~SpreadDisplay() = default;
  // Card box `position` (1-based) of the spread's layout shows card `card`.
  virtual void PlaceCardPicture(SpreadIndex spread, int position, CardIndex card) = 0;
  // The spread's layout becomes the visible one and the window takes its height.
  virtual void BringLayoutToFront(SpreadIndex spread) = 0;
  // A reader's own spread is laid out anew before its cards are placed (as kOwnSpread).
  virtual void LayOutOwnSpread(const SpreadDefinition& /*spread*/) {}
};

// Puts the small picture of a card at the caret of the report box, leaving the caret just
// behind it with an empty selection.
class ReportPictures {
 public:
  virtual ~ReportPictures() = default;
  virtual void InsertCardPicture(richtext::RichTextBox& box, CardIndex card) = 0;
};

// What a reading writes into. A headless reading has a report box and nothing else.
class ReadingWindows {
 public:
  virtual ~ReadingWindows() = default;
  virtual richtext::RichTextBox& ReportBox() = 0;
  // The spread display, created if it does not exist yet; null when there is none.
  virtual SpreadDisplay* ObtainSpreadDisplay() { return nullptr; }
  virtual ReportPictures* CardPictures() { return nullptr; }
  // The reading just written; the report window keeps what it shows from it.
  virtual void ReadingWritten(const Reading& /*reading*/) {}
};

}  // namespace baralune
