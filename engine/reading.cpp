#include "reading.h"

#include "catalogue.h"
#include "draw.h"
#include "report.h"
#include "special_rules.h"

namespace baralune {

SpreadIndex CurrentSpreadIndex = 0;
std::vector<CardIndex> Hand;

std::vector<CardIndex> DrawFromSharedRandom(int n) {
  return DrawHand(n, SharedRandom());
}

HandDrawer EnteredHand(std::vector<CardIndex> cards) {
  cards.push_back(0);
  return [cards](int) { return cards; };
}

void RunReading(const SpreadIndex& spreadIndex, ReadingWindows& windows, const HandDrawer& draw) {
  const int n = CardCount(spreadIndex);
  Hand.clear();
  ClearSpecialInterpretations();
  Hand.assign(static_cast<std::size_t>(n) + 1, 0);
  Hand = draw(n);
  EvaluateSpecialRules(Hand);
  LoadCatalogue();
  SpreadDisplay* display = windows.ObtainSpreadDisplay();
  WriteReport(spreadIndex, Hand, windows.ReportBox(), display, windows.CardPictures());
}

}  // namespace baralune
