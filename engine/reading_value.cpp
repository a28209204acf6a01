#include "reading_value.h"

#include "draw.h"
#include "report.h"
#include "spreads.h"

namespace baralune {

Reading WriteReading(SpreadIndex spread, Language language, std::vector<CardIndex> cards,
                     richtext::RichTextBox& box, SpreadDisplay* display, ReportPictures* pictures) {
  Reading reading;
  reading.spread = spread;
  reading.language = language;
  reading.hand = std::move(cards);
  // The rules read a hand with its spare last slot.
  std::vector<CardIndex> withSpare = reading.hand;
  withSpare.push_back(0);
  reading.special = FindSpecialInterpretations(withSpare, language);
  WriteReport(reading, box, display, pictures);
  return reading;
}

Reading ComputeReading(SpreadIndex spread, Language language, std::vector<CardIndex> cards,
                       ReportPictures* pictures) {
  richtext::RichTextBox box;
  Reading reading = WriteReading(spread, language, std::move(cards), box, nullptr, pictures);
  reading.report = box.document();
  return reading;
}

Reading ComputeReading(SpreadIndex spread, Language language, RandomGenerator& random,
                       ReportPictures* pictures) {
  std::vector<CardIndex> cards = DrawHand(SpreadOf(spread).cards, random);
  cards.pop_back();  // the spare slot
  return ComputeReading(spread, language, std::move(cards), pictures);
}

}  // namespace baralune
