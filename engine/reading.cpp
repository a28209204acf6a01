#include "reading.h"

#include <algorithm>

#include "draw.h"
#include "spreads.h"

namespace baralune {

SpreadIndex CurrentSpreadIndex = 0;
std::vector<CardIndex> Hand;
std::array<std::string, kSpecialRuleCount> SpecialInterpretations;
std::array<std::vector<CardIndex>, kSpecialRuleCount> SpecialCards;

void ClearSpecialInterpretations() {
  for (auto& slot : SpecialInterpretations) slot.clear();
}

namespace {

void Keep(const SpecialFindings& findings) {
  for (std::size_t slot = 0; slot < SpecialInterpretations.size(); ++slot) {
    SpecialInterpretations[slot] = findings.interpretations[slot];
    // A rule that did not fire keeps its old card list, as the windows always had it.
    if (!findings.interpretations[slot].empty()) SpecialCards[slot] = findings.cards[slot];
  }
}

}  // namespace

void EvaluateSpecialRules(const std::vector<CardIndex>& hand, Language language) {
  Keep(FindSpecialInterpretations(hand, language));
}

bool AnySpecialInterpretation() {
  return std::any_of(SpecialInterpretations.begin(), SpecialInterpretations.end(),
                     [](const std::string& s) { return !s.empty(); });
}

std::vector<CardIndex> DrawFromSharedRandom(int n) {
  return DrawHand(n, SharedRandom());
}

HandDrawer EnteredHand(std::vector<CardIndex> cards) {
  cards.push_back(0);
  return [cards](int) { return cards; };
}

Reading RunReading(const SpreadIndex& spreadIndex, ReadingWindows& windows, const HandDrawer& draw,
                   Language language) {
  ClearSpecialInterpretations();
  Hand = draw(SpreadOf(spreadIndex).cards);
  std::vector<CardIndex> cards(Hand.begin(), Hand.end() - (Hand.empty() ? 0 : 1));
  SpreadDisplay* display = windows.ObtainSpreadDisplay();
  Reading reading = WriteReading(spreadIndex, language, std::move(cards), windows.ReportBox(),
                                 display, windows.CardPictures());
  Keep(reading.special);
  windows.ReadingWritten(reading);
  return reading;
}

}  // namespace baralune
