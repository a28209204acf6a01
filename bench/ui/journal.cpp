// The journal: recording a reading, the size a reading takes, the History window over a
// journal of 100,000 readings: opening it, one keystroke of its search, and its statistics; and
// a journal of 10,000 readings exported to its file and imported from it.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "catalogue.h"
#include "fold.h"
#include "history_window.h"
#include "journal_file.h"
#include "journal_transfer.h"
#include "readings.h"
#include "safe_output.h"
#include "seams.h"
#include "statistics.h"
#include "statistics_window.h"

namespace {

using namespace baralune;

constexpr int kReadings = 100000;

journal::Entry Reading(int i) {
  static const char* const kNames[] = {"María José", "Lucía",  "Carmen", "Ana",  "Pilar",
                                       "Dolores",    "Isabel", "Elena",  "Rosa", "Teresa"};
  journal::Entry entry;
  entry.dealt = QDateTime::currentDateTime().addSecs(-i * 600);
  entry.name = QString::fromUtf8(kNames[i % 10]) + QStringLiteral(" %1").arg(i);
  entry.birthDate = QStringLiteral("1980-05-17");
  entry.spread = static_cast<SpreadIndex>(i % kSpreadCount);
  entry.mode = static_cast<journal::DealMode>(i % 2);
  for (int p = 0; p < SpreadOf(entry.spread).cards; ++p) {
    entry.hand.push_back(static_cast<CardIndex>((i + p * 3) % kDeckSize));
  }
  return entry;
}

// A journal of 100,000 readings, made once per run.
const QString& LargeJournal() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString file = dir.filePath(QStringLiteral("journal.sqlite"));
    journal::Prepare(file);
    journal::Connection connection(file, false);
    connection.Db().transaction();
    QSqlQuery query(connection.Db());
    query.prepare(QStringLiteral(
        "INSERT INTO reading (dealt, utc_offset, name, birth_date, spread, mode, cards,"
        " name_folded, notes, notes_folded) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    // Every fifth reading has notes of a few lines, which the search reads too.
    const QString notes = QStringLiteral(
        "¿Cambiaré de trabajo este año? Preguntó por la mudanza y por su hermana.\n"
        "Salió el As de Oros al final; en mayo le ofrecieron el puesto en Valencia.");
    for (int i = kReadings - 1; i >= 0; --i) {
      const journal::Entry e = Reading(i);
      QByteArray cards;
      for (CardIndex c : e.hand) cards.append(static_cast<char>(c));
      query.addBindValue(e.dealt.toMSecsSinceEpoch());
      query.addBindValue(e.dealt.offsetFromUtc());
      query.addBindValue(e.name);
      query.addBindValue(e.birthDate);
      query.addBindValue(static_cast<int>(e.spread));
      query.addBindValue(static_cast<int>(e.mode));
      query.addBindValue(cards);
      query.addBindValue(journal::FoldForSearch(e.name));
      const QString kept = i % 5 == 0 ? notes : QStringLiteral("");
      query.addBindValue(kept);
      query.addBindValue(journal::FoldForSearch(kept));
      query.exec();
    }
    connection.Db().commit();
    QSqlQuery(connection.Db()).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return file;
  }();
  return path;
}

// One reading in its own transaction, as the writer's thread does it (a Gypsy spread).
void BM_RecordReading(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
  journal::Prepare(path);
  journal::Connection connection(path, false);
  const journal::Entry entry = Reading(3);
  for (auto _ : state) {
    if (!journal::Insert(connection.Db(), entry).isEmpty()) state.SkipWithError("not kept");
  }
}
BENCHMARK(BM_RecordReading)->Unit(benchmark::kMicrosecond);

void BM_BytesPerReading(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(LargeJournal());
  state.counters["bytes_per_reading"] =
      static_cast<double>(QFileInfo(LargeJournal()).size()) / kReadings;
}
BENCHMARK(BM_BytesPerReading)->Iterations(1);

HistoryWindow* OpenHistory() {
  HistoryWindow* history = ShowHistoryWindow(nullptr);
  (void)QTest::qWaitForWindowExposed(history);
  history->repaint();
  return history;
}

void CloseHistory(HistoryWindow* history) {
  history->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The first opening of a session also checks the file; later ones do not.
void BM_OpenHistoryOf100000Readings(benchmark::State& state) {
  AppSeams().journalPath = [] { return LargeJournal(); };
  QElapsedTimer first;
  first.start();
  CloseHistory(OpenHistory());
  state.counters["first_open_ms"] = static_cast<double>(first.nsecsElapsed()) / 1e6;
  for (auto _ : state) {
    HistoryWindow* history = OpenHistory();
    state.PauseTiming();
    CloseHistory(history);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenHistoryOf100000Readings)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One more letter typed, until the table is painted again: a name many readings share, a word
// of the notes, and one no reading has (the whole journal searched).
void BM_SearchKeystroke(benchmark::State& state, const char* typed) {
  AppSeams().journalPath = [] { return LargeJournal(); };
  HistoryWindow* history = OpenHistory();
  const QString text = QString::fromUtf8(typed);
  for (auto _ : state) {
    state.PauseTiming();
    history->SearchField()->setText(text.left(text.size() - 1));
    state.ResumeTiming();
    history->SearchField()->setText(text);
    history->Table()->viewport()->repaint();
  }
  state.counters["rows_fetched"] = history->Model()->rowCount();
  CloseHistory(history);
}
BENCHMARK_CAPTURE(BM_SearchKeystroke, common_name, "jose")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, word_of_notes, "mudanza")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, no_match, "zzz")->Unit(benchmark::kMillisecond);

// The statistics of every reading: counted, and counted and charted until the window is painted
// (what Statistics… in the History takes, and what each keystroke of the search adds while the
// statistics are open).
void BM_CountStatisticsOf100000Readings(benchmark::State& state) {
  journal::Connection connection(LargeJournal(), true);
  int readings = 0;
  for (auto _ : state) readings = journal::CountStatistics(connection.Db(), {}).readings;
  state.counters["readings"] = readings;
}
BENCHMARK(BM_CountStatisticsOf100000Readings)->Unit(benchmark::kMillisecond);

void BM_StatisticsWindowOf100000Readings(benchmark::State& state) {
  AppSeams().journalPath = [] { return LargeJournal(); };
  HistoryWindow* history = OpenHistory();
  for (auto _ : state) {
    StatisticsWindow* statistics = history->ShowStatistics();
    statistics->repaint();
    state.PauseTiming();
    statistics->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  CloseHistory(history);
}
BENCHMARK(BM_StatisticsWindowOf100000Readings)->Unit(benchmark::kMillisecond);

// 10,000 readings of every spread, in a journal of their own, written as other programs would.
const QString& JournalOf10000() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString file = dir.filePath(QStringLiteral("journal.sqlite"));
    journal::Prepare(file);
    journal::Connection connection(file, false);
    std::vector<journal::Entry> entries;
    for (int i = 0; i < 10000; ++i) entries.push_back(Reading(i));
    journal::InsertAll(connection.Db(), entries);
    return file;
  }();
  return path;
}

// Export Journal… once the file is picked: every reading read, written as the file, on disk.
void BM_ExportJournalOf10000Readings(benchmark::State& state) {
  journal::Connection connection(JournalOf10000(), true);
  QTemporaryDir dir;
  const std::string file = dir.filePath(QStringLiteral("moved.jsonl")).toStdString();
  std::size_t bytes = 0;
  for (auto _ : state) {
    const journal::JournalExport exported = journal::ExportJournal(connection.Db());
    if (!ReplaceFile(file, exported.text).ok()) state.SkipWithError("not written");
    bytes = exported.text.size();
  }
  state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportJournalOf10000Readings)->Unit(benchmark::kMillisecond);

// Import Journal… once the file is picked: the file read and checked, then its readings added
// to an empty journal, or to one that holds them all already (nothing added).
void BM_ImportJournalOf10000Readings(benchmark::State& state, bool held) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("moved.jsonl"));
  {
    journal::Connection source(JournalOf10000(), true);
    ReplaceFile(file.toStdString(), journal::ExportJournal(source.Db()).text);
  }
  int added = 0;
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const QString target =
        held ? JournalOf10000() : dir.filePath(QStringLiteral("fresh%1.sqlite").arg(round++));
    if (!held) journal::Prepare(target);
    auto connection = std::make_unique<journal::Connection>(target, false);
    state.ResumeTiming();
    const journal::JournalFile read = journal::ReadJournalFile(file);
    const journal::JournalImport imported =
        journal::ImportReadings(connection->Db(), read.read.readings);
    if (!imported.failure.isEmpty()) state.SkipWithError("not imported");
    added = imported.added;
    state.PauseTiming();
    connection.reset();
    state.ResumeTiming();
  }
  state.counters["added"] = added;
}
BENCHMARK_CAPTURE(BM_ImportJournalOf10000Readings, into_empty_journal, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportJournalOf10000Readings, all_held_already, true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
