#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "language.h"
#include "reading_value.h"
#include "reading_windows.h"
#include "special_rules.h"
#include "types.h"

namespace baralune {

// The latest reading as the windows know it, under the names they have always used. Each is
// filled from the Reading value by RunReading; the engine's own functions never read them.

// The spread picked for the reading under way; the main window's Deal stores it.
extern SpreadIndex CurrentSpreadIndex;
// The reader's own spread picked instead, when one is (CurrentSpreadIndex is then kOwnSpread).
extern std::shared_ptr<const SpreadDefinition> CurrentOwnSpread;
// The latest reading's cards: slot p - 1 holds position p; the last slot is spare (0).
extern std::vector<CardIndex> Hand;
// Slot k - 1 belongs to rule k: its sentence when the rule fired in the latest reading,
// otherwise empty. A card list is only meaningful while its slot is filled.
extern std::array<std::string, kSpecialRuleCount> SpecialInterpretations;
extern std::array<std::vector<CardIndex>, kSpecialRuleCount> SpecialCards;

// Empties every interpretation slot; the card lists are left as they are.
void ClearSpecialInterpretations();
// Fills the slots and card lists of the rules `hand` (with its spare last slot) fires.
void EvaluateSpecialRules(const std::vector<CardIndex>& hand,
                          Language language = Language::English);
bool AnySpecialInterpretation();

// Draws a hand of n cards (n + 1 slots). Tests substitute a fixed hand here.
using HandDrawer = std::function<std::vector<CardIndex>(int n)>;
std::vector<CardIndex> DrawFromSharedRandom(int n);
// Deals exactly `cards`, in order, plus the spare slot: a reading of cards the reader laid out.
HandDrawer EnteredHand(std::vector<CardIndex> cards);

// Positions of the reader's spread `own` when given, else of `spread`; and the text of one.
int PositionCount(SpreadIndex spread, const SpreadDefinition* own);
std::string PositionText(SpreadIndex spread, const SpreadDefinition* own, int position,
                         Language language);

// One whole reading for the windows: draws the hand, computes the reading in `language`,
// writes its report into the report box, places each card in the spread display and fills
// the names above. Returns the reading (its report is in the box, not in the value).
Reading RunReading(const SpreadIndex& spreadIndex, ReadingWindows& windows,
                   const HandDrawer& draw = DrawFromSharedRandom,
                   Language language = Language::English);
// The same for a reader's own spread, checked beforehand; CurrentSpreadIndex is not read.
Reading RunReading(std::shared_ptr<const SpreadDefinition> spread, ReadingWindows& windows,
                   const HandDrawer& draw = DrawFromSharedRandom,
                   Language language = Language::English);
// The reading of `own` when given, else of `spread`.
Reading RunSpreadReading(SpreadIndex spread, std::shared_ptr<const SpreadDefinition> own,
                         ReadingWindows& windows, const HandDrawer& draw, Language language);

}  // namespace baralune
