#include "reading.h"

#include <algorithm>

#include "catalogue.h"
#include "draw.h"
#include "spreads.h"

namespace baralune {

SpreadIndex CurrentSpreadIndex = 0;
std::shared_ptr<const SpreadDefinition> CurrentOwnSpread;
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

namespace {

// Draws the hand for `positions`, writes the reading with `write` and keeps what it found.
template <typename Write>
Reading Run(int positions, ReadingWindows& windows, const HandDrawer& draw, Write write) {
  ClearSpecialInterpretations();
  Hand = draw(positions);
  std::vector<CardIndex> cards(Hand.begin(), Hand.end() - (Hand.empty() ? 0 : 1));
  Reading reading = write(std::move(cards), windows.ObtainSpreadDisplay());
  Keep(reading.special);
  windows.ReadingWritten(reading);
  return reading;
}

}  // namespace

Reading RunReading(const SpreadIndex& spreadIndex, ReadingWindows& windows, const HandDrawer& draw,
                   Language language) {
  return Run(SpreadOf(spreadIndex).cards, windows, draw,
             [&](std::vector<CardIndex> cards, SpreadDisplay* display) {
               return WriteReading(spreadIndex, language, std::move(cards), windows.ReportBox(),
                                   display, windows.CardPictures());
             });
}

Reading RunReading(std::shared_ptr<const SpreadDefinition> spread, ReadingWindows& windows,
                   const HandDrawer& draw, Language language) {
  const int positions = static_cast<int>(spread->positions.size());
  return Run(positions, windows, draw, [&](std::vector<CardIndex> cards, SpreadDisplay* display) {
    return WriteReading(spread, language, std::move(cards), windows.ReportBox(), display,
                        windows.CardPictures());
  });
}

}  // namespace baralune

namespace baralune {

int PositionCount(SpreadIndex spread, const SpreadDefinition* own) {
  return own ? static_cast<int>(own->positions.size()) : SpreadOf(spread).cards;
}

std::string PositionText(SpreadIndex spread, const SpreadDefinition* own, int position,
                         Language language) {
  if (!own) return PositionMeaning(spread, position, language);
  const int count = static_cast<int>(own->positions.size());
  return position >= 1 && position <= count
             ? own->positions[static_cast<std::size_t>(position - 1)].text
             : std::string();
}

Reading RunSpreadReading(SpreadIndex spread, std::shared_ptr<const SpreadDefinition> own,
                         ReadingWindows& windows, const HandDrawer& draw, Language language) {
  return own ? RunReading(std::move(own), windows, draw, language)
             : RunReading(spread, windows, draw, language);
}

}  // namespace baralune
