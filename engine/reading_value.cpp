#include "reading_value.h"

#include "draw.h"
#include "report.h"
#include "spreads.h"

namespace baralune {

namespace {

Reading Write(SpreadIndex spread, std::shared_ptr<const SpreadDefinition> own, Language language,
              std::vector<CardIndex> cards, richtext::RichTextBox& box, SpreadDisplay* display,
              ReportPictures* pictures) {
  Reading reading;
  reading.spread = spread;
  reading.own = std::move(own);
  reading.language = language;
  reading.hand = std::move(cards);
  // The rules read a hand with its spare last slot.
  std::vector<CardIndex> withSpare = reading.hand;
  withSpare.push_back(0);
  reading.special = FindSpecialInterpretations(withSpare, language);
  WriteReport(reading, box, display, pictures);
  return reading;
}

Reading Compute(SpreadIndex spread, std::shared_ptr<const SpreadDefinition> own, Language language,
                std::vector<CardIndex> cards, ReportPictures* pictures) {
  richtext::RichTextBox box;
  Reading reading =
      Write(spread, std::move(own), language, std::move(cards), box, nullptr, pictures);
  reading.report = box.document();
  return reading;
}

// n cards drawn from `random`, without the spare slot.
std::vector<CardIndex> Drawn(int n, RandomGenerator& random) {
  std::vector<CardIndex> cards = DrawHand(n, random);
  cards.pop_back();
  return cards;
}

}  // namespace

Reading WriteReading(SpreadIndex spread, Language language, std::vector<CardIndex> cards,
                     richtext::RichTextBox& box, SpreadDisplay* display, ReportPictures* pictures) {
  return Write(spread, nullptr, language, std::move(cards), box, display, pictures);
}

Reading WriteReading(std::shared_ptr<const SpreadDefinition> spread, Language language,
                     std::vector<CardIndex> cards, richtext::RichTextBox& box,
                     SpreadDisplay* display, ReportPictures* pictures) {
  return Write(kOwnSpread, std::move(spread), language, std::move(cards), box, display, pictures);
}

Reading ComputeReading(SpreadIndex spread, Language language, std::vector<CardIndex> cards,
                       ReportPictures* pictures) {
  return Compute(spread, nullptr, language, std::move(cards), pictures);
}

Reading ComputeReading(SpreadIndex spread, Language language, RandomGenerator& random,
                       ReportPictures* pictures) {
  return ComputeReading(spread, language, Drawn(SpreadOf(spread).cards, random), pictures);
}

Reading ComputeReading(const SpreadDefinition& spread, Language language,
                       std::vector<CardIndex> cards, ReportPictures* pictures) {
  return Compute(kOwnSpread, std::make_shared<const SpreadDefinition>(spread), language,
                 std::move(cards), pictures);
}

Reading ComputeReading(const SpreadDefinition& spread, Language language, RandomGenerator& random,
                       ReportPictures* pictures) {
  return ComputeReading(spread, language, Drawn(static_cast<int>(spread.positions.size()), random),
                        pictures);
}

}  // namespace baralune
