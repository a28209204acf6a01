#pragma once
#include <functional>
#include <vector>

#include "reading_windows.h"
#include "types.h"

namespace baralune {

// The spread picked for the reading under way; the main window's Deal stores it.
extern SpreadIndex CurrentSpreadIndex;
// The latest reading's cards: slot p - 1 holds position p; the last slot is spare (0).
extern std::vector<CardIndex> Hand;

// Draws a hand of n cards (n + 1 slots). Tests substitute a fixed hand here.
using HandDrawer = std::function<std::vector<CardIndex>(int n)>;
std::vector<CardIndex> DrawFromSharedRandom(int n);
// Deals exactly `cards`, in order, plus the spare slot: a reading of cards the reader laid out.
HandDrawer EnteredHand(std::vector<CardIndex> cards);

// One whole reading: clears the interpretations, draws the hand, applies the special rules,
// reloads the catalogue and writes the report, placing each card in the spread display.
void RunReading(const SpreadIndex& spreadIndex, ReadingWindows& windows,
                const HandDrawer& draw = DrawFromSharedRandom);

}  // namespace baralune
