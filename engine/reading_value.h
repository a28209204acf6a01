#pragma once
#include <memory>
#include <vector>

#include "document.h"
#include "language.h"
#include "random.h"
#include "rich_text_box.h"
#include "special_rules.h"
#include "spread_definition.h"
#include "types.h"

namespace baralune {

class ReportPictures;
class SpreadDisplay;

// One reading, whole: what was asked, the cards dealt, the special interpretations they earn
// and the report written from them. Nothing else goes into it, so the same inputs always give
// the same reading, on any thread.
struct Reading {
  SpreadIndex spread = 0;  // kOwnSpread for a reader's own spread, then defined by `own`
  std::shared_ptr<const SpreadDefinition> own;
  Language language = Language::English;
  std::vector<CardIndex> hand;  // the card of each position, position 1 first
  SpecialFindings special;
  richtext::Document report;
};

// The reading of `cards` (one per position of the spread; any beyond are read by the special
// rules but not reported) in `language`. An unknown spread gets a report without a spread
// part, read from 21 cards. `pictures`, when given, puts the small faces into the report.
Reading ComputeReading(SpreadIndex spread, Language language, std::vector<CardIndex> cards,
                       ReportPictures* pictures = nullptr);
// The same with the cards drawn from `random`.
Reading ComputeReading(SpreadIndex spread, Language language, RandomGenerator& random,
                       ReportPictures* pictures = nullptr);

// The same for a reader's own spread (checked beforehand: see CheckSpread), one card for each
// of its positions. The reading keeps a copy of the spread as it was.
Reading ComputeReading(const SpreadDefinition& spread, Language language,
                       std::vector<CardIndex> cards, ReportPictures* pictures = nullptr);
Reading ComputeReading(const SpreadDefinition& spread, Language language, RandomGenerator& random,
                       ReportPictures* pictures = nullptr);

// As ComputeReading, but the report is written into `box` (a window's), each card placed in
// `display` (may be null) as the report reaches it, and the report left out of the value.
Reading WriteReading(SpreadIndex spread, Language language, std::vector<CardIndex> cards,
                     richtext::RichTextBox& box, SpreadDisplay* display, ReportPictures* pictures);
// The same of a reader's own spread (null: an unknown spread, as above).
Reading WriteReading(std::shared_ptr<const SpreadDefinition> spread, Language language,
                     std::vector<CardIndex> cards, richtext::RichTextBox& box,
                     SpreadDisplay* display, ReportPictures* pictures);

}  // namespace baralune
