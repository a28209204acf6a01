#pragma once
#include <QSqlDatabase>
#include <QString>
#include <array>
#include <vector>

#include "types.h"

namespace baralune::journal {

// The readings of one month of the calendar they were dealt in, local time as dealt.
struct MonthCount {
  int year = 0;
  int month = 0;  // 1..12
  int readings = 0;
};

inline constexpr int kSuitCount = 4;
inline constexpr int kCardsPerSuit = kDeckSize / kSuitCount;

// What the readings the History lists add up to.
struct Statistics {
  int readings = 0;  // counted
  int leftOut = 0;   // listed but not readable (see Load), so not counted
  int undated = 0;   // counted, but dealt at a time no calendar holds: in no month
  // How often each card came up, by card index.
  std::array<int, kDeckSize> cardCounts{};
  // How often each card would come up by chance alone: every position of a reading is any of
  // the 40 cards alike, so each reading adds its number of positions / 40, the same for every
  // card.
  double chancePerCard = 0;
  // The cards dealt of each suit, by the card index's suit (card / 10).
  std::array<int, kSuitCount> suitCounts{};
  // Every month from the first reading's to the last's, empty months included, oldest first.
  std::vector<MonthCount> months;
  // SQLite's reason when the readings could not be read; the figures are then empty.
  QString failure;

  int CardsDealt() const;
};

// The statistics of the readings whose name or notes contain `search`, as SelectList lists them.
Statistics CountStatistics(QSqlDatabase& db, const QString& search);

}  // namespace baralune::journal
