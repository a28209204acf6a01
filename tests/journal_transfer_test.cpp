// A journal carried through its file to another journal and back: every reading arrives once,
// the same to the byte, and the file written again is the file read; a second import adds
// nothing; an import that fails part way leaves the journal as it was; the History lists
// readings by when they were dealt.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QSqlQuery>

#include "csv.h"
#include "journal_test_files.h"
#include "journal_transfer.h"
#include "reading.h"
#include "report_test_support.h"

namespace baralune::journal::testing {
namespace {

// Readings of every spread, way of dealing and language, from around the world's clocks.
std::vector<Entry> Varied(int count) {
  static const char* const kNames[] = {
      "María José", "Zoë \"Z\", la de Écija", "Straße 🃏", "=1+2", "مريم", "  spaced  "};
  std::vector<Entry> entries;
  for (int i = 0; i < count; ++i) {
    Entry entry;
    const int offset = ((i % 29) - 14) * 1800;  // -07:00 .. +07:00 by half hours
    entry.dealt = DealtTime(1'700'000'000'000LL + i * 3'600'123LL, offset);
    entry.name = QString::fromUtf8(kNames[i % std::size(kNames)]) + QString::number(i / 7);
    entry.birthDate = i % 11 ? QStringLiteral("19%1-02-31").arg(50 + i % 50) : QString();
    entry.spread = static_cast<SpreadIndex>(i % kSpreadCount);
    entry.mode = static_cast<DealMode>(i / kSpreadCount % 3);
    entry.language = i / 12 % 2 ? Language::Spanish : Language::English;
    for (int p = 0; p < SpreadOf(entry.spread).cards; ++p) {
      entry.hand.push_back(static_cast<CardIndex>((i * 13 + p * 17) % kDeckSize));
    }
    entries.push_back(entry);
  }
  return entries;
}

std::string ReportRtf(const Entry& entry) {
  baralune::testing::BoxOnly windows;
  RunReading(entry.spread, windows, EnteredHand(entry.hand), entry.language);
  return windows.box.TextRTF();
}

class JournalTransferTest : public JournalTest {
 protected:
  QString Journal(const char* name) {
    const QString path = m_dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(Prepare(path).Writable());
    return path;
  }
};

TEST_F(JournalTransferTest, FiveHundredReadingsTravelThereAndBackUnchangedAndNeverTwice) {
  const std::vector<Entry> dealt = Varied(500);
  Connection first(Journal("first.sqlite"), false);
  ASSERT_EQ(InsertAll(first.Db(), dealt), QString());
  const JournalExport exported = ExportJournal(first.Db());
  ASSERT_EQ(exported.failure, QString());
  EXPECT_EQ(exported.written, 500);

  Connection second(Journal("second.sqlite"), false);
  const interchange::ReadResult read = interchange::ReadJournal(exported.text);
  ASSERT_EQ(read.refusal, interchange::Refusal::None);
  EXPECT_EQ(read.SkippedTotal(), 0);
  const JournalImport imported = ImportReadings(second.Db(), read.readings);
  EXPECT_EQ(imported.failure, QString());
  EXPECT_EQ(imported.added, 500);
  EXPECT_EQ(imported.held, 0);

  // Written out again, the second journal gives the very same file.
  EXPECT_EQ(ExportJournal(second.Db()).text, exported.text);
  std::vector<Entry> arrived = LoadList(second.Db(), {});
  ASSERT_EQ(arrived.size(), 500u);
  std::reverse(arrived.begin(), arrived.end());  // listed newest first
  for (std::size_t i = 0; i < arrived.size(); ++i) {
    EXPECT_EQ(ToTravelling(arrived[i]), ToTravelling(dealt[i])) << i;
    EXPECT_EQ(arrived[i].dealt.offsetFromUtc(), dealt[i].dealt.offsetFromUtc());
    if (i % 7 == 0) {  // every spread in either language
      EXPECT_EQ(ReportRtf(arrived[i]), ReportRtf(dealt[i])) << i;
    }
  }

  // Back again, and the same file twice over: nothing is doubled.
  for (Connection* journal : {&first, &second}) {
    const JournalImport again = ImportReadings(journal->Db(), read.readings);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.held, 500);
  }
  std::vector<interchange::Reading> twice = read.readings;
  twice.insert(twice.end(), read.readings.begin(), read.readings.begin() + 10);
  Connection third(Journal("third.sqlite"), false);
  const JournalImport doubled = ImportReadings(third.Db(), twice);
  EXPECT_EQ(doubled.added, 500);
  EXPECT_EQ(doubled.held, 10);
  // One field apart is another reading: a millisecond, a name, a card.
  std::vector<interchange::Reading> near(3, read.readings[0]);
  near[0].dealtMsecs += 1;
  near[1].name += " ";
  std::swap(near[2].cards[0], near[2].cards[1]);
  EXPECT_EQ(ImportReadings(third.Db(), near).added, 3);
}

// Readings dealt months ago, imported after today's, are listed below it: by when they were
// dealt, not when they arrived. The file keeps the order they arrived in, and so reads back
// and writes out again the same.
TEST_F(JournalTransferTest, ImportedOlderReadingsAreListedByWhenTheyWereDealt) {
  std::vector<Entry> older = Varied(4);
  const qint64 today = 1'760'000'000'000LL;
  const qint64 ago[] = {90, 30, 120, 30};  // days; two dealt at the same moment
  for (std::size_t i = 0; i < older.size(); ++i) {
    older[i].dealt = DealtTime(today - ago[i] * 86'400'000LL, 3600);
  }
  Entry newest = Varied(5)[4];
  newest.dealt = DealtTime(today, -18000);
  Connection journal(Journal("journal.sqlite"), false);
  ASSERT_EQ(Insert(journal.Db(), newest), QString());
  std::vector<interchange::Reading> file;
  for (const Entry& entry : older) file.push_back(ToTravelling(entry));
  ASSERT_EQ(ImportReadings(journal.Db(), file).added, 4);

  // Newest dealt first; of the two dealt together, the one kept later.
  const std::vector<Entry> listed = LoadList(journal.Db(), {});
  const std::vector<const Entry*> expected = {&newest, &older[3], &older[1], &older[0], &older[2]};
  ASSERT_EQ(listed.size(), expected.size());
  for (std::size_t i = 0; i < listed.size(); ++i) {
    EXPECT_EQ(ToTravelling(listed[i]), ToTravelling(*expected[i])) << i;
  }
  QSqlQuery query(journal.Db());
  ASSERT_TRUE(SelectList(query, {}));
  for (const Entry& entry : listed) {
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(kId).toLongLong(), entry.id);
  }
  const CsvExport csv = ExportCsv(journal.Db(), {}, Language::English);
  EXPECT_EQ(csv.csv, ToCsv(listed, Language::English));

  // The file lists them as they were kept, and carried to another journal comes back the same.
  const JournalExport exported = ExportJournal(journal.Db());
  const interchange::ReadResult read = interchange::ReadJournal(exported.text);
  ASSERT_EQ(read.readings.size(), 5u);
  EXPECT_EQ(read.readings[0], ToTravelling(newest));
  EXPECT_EQ(read.readings[1], file[0]);
  Connection other(Journal("other.sqlite"), false);
  ASSERT_EQ(ImportReadings(other.Db(), read.readings).added, 5);
  EXPECT_EQ(ExportJournal(other.Db()).text, exported.text);
}

TEST_F(JournalTransferTest, AnImportThatFailsPartWayAddsNothing) {
  Connection journal(Journal("journal.sqlite"), false);
  ASSERT_EQ(InsertAll(journal.Db(), Varied(3)), QString());
  QSqlQuery(journal.Db())
      .exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON reading WHEN NEW.name = 'stop'"
                           " BEGIN SELECT RAISE(ABORT, 'refused'); END"));
  std::vector<interchange::Reading> readings;
  for (const Entry& entry : Varied(40)) readings.push_back(ToTravelling(entry));
  readings[30].name = "stop";
  const JournalImport imported = ImportReadings(journal.Db(), readings);
  EXPECT_NE(imported.failure, QString());
  EXPECT_EQ(imported.added, 0);
  EXPECT_EQ(LoadList(journal.Db(), {}).size(), 3u);
}

TEST_F(JournalTransferTest, OnlyRegularFilesAreRead) {
  const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_TRUE(ReadJournalFile(fifo).notRegular);  // at once, not waiting for a writer
  EXPECT_TRUE(ReadJournalFile(m_dir.path()).notRegular);
  EXPECT_EQ(ReadJournalFile(m_dir.filePath(QStringLiteral("none"))).error, ENOENT);
}

}  // namespace
}  // namespace baralune::journal::testing
