// The statistics of the readings listed, against counts made independently from the readings
// the journal gives back whole.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <map>

#include "journal_test_files.h"
#include "statistics.h"

namespace baralune::journal::testing {
namespace {

// Readings over several months, some dealt late on the last day of a month at an offset east
// of UTC (the next month there, the month before in UTC), with a month with none between.
std::vector<Entry> Readings() {
  std::vector<Entry> entries;
  const char* const names[] = {"Ana", "Anabel", "José", "Lucía"};
  for (int i = 0; i < 60; ++i) {
    Entry entry = SampleEntry(QString::fromUtf8(names[i % 4]), static_cast<SpreadIndex>(i % 4),
                              (i % 3 - 1) * 7200);
    const int month = i % 5 == 4 ? 6 : 1 + i % 5;  // no reading in May
    entry.dealt = QDateTime(QDate(2025, month, 1), QTime(0, 30), Qt::OffsetFromUTC, (i % 3) * 3600);
    if (i % 7 == 0 && month != 6)
      entry.dealt = entry.dealt.addSecs(-3600);  // the month before, late at night
    for (std::size_t p = 0; p < entry.hand.size(); ++p) {
      entry.hand[p] = static_cast<CardIndex>((i * 11 + p * 13) % kDeckSize);
    }
    entries.push_back(entry);
  }
  return entries;
}

void ExpectFiguresOf(QSqlDatabase& db, const QString& search) {
  const std::vector<Entry> listed = LoadList(db, search);
  std::array<int, kDeckSize> cards{};
  std::array<int, kSuitCount> suits{};
  std::map<std::pair<int, int>, int> months;
  double positions = 0;
  for (const Entry& entry : listed) {
    for (const CardIndex card : entry.hand) ++cards[card];
    for (const CardIndex card : entry.hand) ++suits[card / 10];
    positions += static_cast<double>(entry.hand.size());
    if (entry.dealt.isValid()) {
      ++months[{entry.dealt.date().year(), entry.dealt.date().month()}];
    }
  }
  const Statistics statistics = CountStatistics(db, search);
  SCOPED_TRACE(search.toStdString());
  EXPECT_EQ(statistics.failure, QString());
  EXPECT_EQ(statistics.readings, static_cast<int>(listed.size()));
  EXPECT_EQ(statistics.cardCounts, cards);
  EXPECT_EQ(statistics.suitCounts, suits);
  EXPECT_DOUBLE_EQ(statistics.chancePerCard, positions / 40);
  int counted = 0;
  for (const MonthCount& month : statistics.months) {
    const auto found = months.find({month.year, month.month});
    EXPECT_EQ(month.readings, found == months.end() ? 0 : found->second)
        << month.year << "-" << month.month;
    counted += month.readings;
  }
  EXPECT_EQ(counted + statistics.undated, statistics.readings);
  if (!listed.empty()) {
    EXPECT_EQ(statistics.months.front().month, months.begin()->first.second);
    EXPECT_EQ(statistics.months.back().month, months.rbegin()->first.second);
  }
}

TEST_F(JournalTest, StatisticsCountTheReadingsListedAsTheJournalGivesThemBack) {
  ASSERT_TRUE(Prepare(Path()).Writable());
  Connection connection(Path(), false);
  ASSERT_EQ(InsertAll(connection.Db(), Readings()), QString());
  // A reading the History cannot show again is left out and counted as such; one dealt at a
  // time beyond any calendar counts, in no month.
  Entry damaged = SampleEntry(QStringLiteral("Ana"));
  damaged.hand.back() = kDeckSize;
  Entry farFuture = SampleEntry(QStringLiteral("Ana"));
  ASSERT_EQ(InsertAll(connection.Db(), std::vector<Entry>{damaged, farFuture}), QString());
  QSqlQuery(connection.Db())
      .exec(QStringLiteral("UPDATE reading SET dealt = 9223372036854775000 WHERE id = %1").arg(62));

  for (const char* search : {"", "ana", "jose", "nobody"}) {
    ExpectFiguresOf(connection.Db(), QString::fromUtf8(search));
  }
  const Statistics all = CountStatistics(connection.Db(), {});
  EXPECT_EQ(all.leftOut, 1);
  EXPECT_EQ(all.undated, 1);
  EXPECT_EQ(all.months.size(), 7u);  // December 2024 to June 2025, May empty
  EXPECT_EQ(all.months[5].readings, 0);
  EXPECT_EQ(CountStatistics(connection.Db(), QStringLiteral("ANÁ")).readings,
            31);  // Ana, Anabel, and the one far ahead
  EXPECT_TRUE(CountStatistics(connection.Db(), QStringLiteral("nobody")).months.empty());
}

}  // namespace
}  // namespace baralune::journal::testing
