#pragma once
// Readings to record and the writer that a test kills, shared by the journal tests.
#include <QCoreApplication>
#include <QSqlQuery>
#include <QThread>
#include <cstdio>

#include "catalogue.h"
#include "entry.h"
#include "journal_file.h"
#include "readings.h"

namespace baralune::journal::testing {

// The number of readings the killed writer commits before it starts the one it never finishes.
inline constexpr int kCommittedBeforeKill = 20;

inline Entry SampleEntry(const QString& name, SpreadIndex spread = 0, int offsetSeconds = 3600) {
  Entry entry;
  entry.dealt = QDateTime(QDate(2026, 3, 14), QTime(21, 5, 9), Qt::OffsetFromUTC, offsetSeconds);
  entry.name = name;
  entry.birthDate = QStringLiteral("1990-02-31");
  entry.spread = spread;
  entry.mode = DealMode::Manual;
  entry.language = spread % 2 ? Language::Spanish : Language::English;
  for (int p = 0; p < SpreadOf(spread).cards; ++p) {
    entry.hand.push_back(static_cast<CardIndex>((p * 7 + spread) % kDeckSize));
  }
  return entry;
}

// Commits some readings, then writes inside one transaction until killed.
inline int WriteUntilKilled(const QString& path) {
  if (!Prepare(path).Writable()) return 3;
  Connection connection(path, false);
  for (int i = 0; i < kCommittedBeforeKill; ++i) {
    if (!Insert(connection.Db(), SampleEntry(QStringLiteral("kept %1").arg(i))).isEmpty()) return 4;
  }
  connection.Db().transaction();
  QSqlQuery query(connection.Db());
  query.prepare(QStringLiteral(
      "INSERT INTO reading (dealt, utc_offset, name, birth_date, spread, mode, cards, name_folded)"
      " VALUES (0, 0, 'lost', '2000-01-01', 0, 0, zeroblob(3), 'lost')"));
  for (int i = 0; i < 20000; ++i) query.exec();  // enough to spill pages into the log
  std::printf("ready\n");
  std::fflush(stdout);
  for (;;) {
    query.exec();
    QThread::msleep(1);
  }
}

}  // namespace baralune::journal::testing
