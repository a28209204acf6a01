#include "statistics.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <limits>
#include <map>

#include "readings.h"
#include "spread_definition.h"
#include "spreads.h"
#include "sql_reason.h"

namespace baralune::journal {

namespace {

constexpr std::int64_t kMsecsPerDay = 24 * 60 * 60 * 1000;
// 1970-01-01 as a Julian day.
constexpr std::int64_t kUnixEpochJulianDay = 2440588;

// The month of the local date a reading was dealt on, as year * 12 + month - 1; -1 for a time
// outside the years 1 to 9999 (a damaged or hostile journal), which would otherwise stretch the
// months over millennia.
int MonthKey(std::int64_t msecs, int offsetSeconds) {
  std::int64_t local = 0;
  if (__builtin_add_overflow(msecs, std::int64_t{offsetSeconds} * 1000, &local)) return -1;
  const std::int64_t day = local / kMsecsPerDay - (local % kMsecsPerDay < 0 ? 1 : 0);
  const QDate date = QDate::fromJulianDay(day + kUnixEpochJulianDay);
  if (!date.isValid() || date.year() < 1 || date.year() > 9999) return -1;
  return date.year() * 12 + date.month() - 1;
}

}  // namespace

int Statistics::CardsDealt() const {
  int dealt = 0;
  for (const int count : suitCounts) dealt += count;
  return dealt;
}

Statistics CountStatistics(QSqlDatabase& db, const QString& search) {
  Statistics statistics;
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!SelectListedCards(query, search)) {
    statistics.failure = SqlReason(query.lastError());
    return statistics;
  }
  std::map<int, int> months;
  std::int64_t positions = 0;
  while (query.next()) {
    const int spread = query.value(kCardsSpread).toInt();
    const QByteArray cards = query.value(kCards).toByteArray();
    const int month =
        MonthKey(query.value(kCardsDealt).toLongLong(), query.value(kCardsUtcOffset).toInt());
    // Only the readings the History can show again count, as the export keeps them.
    // A reader's own spread keeps its own count of positions with the reading.
    bool readable = spread == kOwnSpread
                        ? !cards.isEmpty() && std::size_t(cards.size()) <= kMaxSpreadPositions
                        : spread >= 0 && spread < kSpreadCount &&
                              cards.size() == SpreadOf(static_cast<SpreadIndex>(spread)).cards;
    for (const char byte : cards)
      readable = readable && static_cast<unsigned char>(byte) < kDeckSize;
    if (!readable) {
      ++statistics.leftOut;
      continue;
    }
    ++statistics.readings;
    positions += cards.size();
    for (const char byte : cards) {
      const auto card = static_cast<unsigned char>(byte);
      ++statistics.cardCounts[card];
      ++statistics.suitCounts[card / kCardsPerSuit];
    }
    if (month >= 0) {
      ++months[month];
    } else {
      ++statistics.undated;
    }
  }
  if (query.lastError().isValid()) {
    // A page that cannot be read would give figures for part of the list only.
    Statistics failed;
    failed.failure = SqlReason(query.lastError());
    return failed;
  }
  statistics.chancePerCard = static_cast<double>(positions) / kDeckSize;
  if (!months.empty()) {
    const int first = months.begin()->first;
    const int last = months.rbegin()->first;
    statistics.months.reserve(static_cast<std::size_t>(last - first + 1));
    for (int key = first; key <= last; ++key) {
      const auto found = months.find(key);
      statistics.months.push_back(
          {key / 12, key % 12 + 1, found == months.end() ? 0 : found->second});
    }
  }
  return statistics;
}

}  // namespace baralune::journal
