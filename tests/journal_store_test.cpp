// The journal file: readings kept and read back, the search's folding, the schema steps, and
// files that are damaged, foreign, newer, unreachable or left by a writer that was killed.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "csv.h"
#include "fold.h"
#include "journal_test_files.h"
#include "readings.h"
#include "schema.h"
#include "writer.h"

namespace baralune::journal::testing {
namespace {

using Condition = Preparation::Condition;

TEST(JournalFoldTest, AccentsAndCaseAsideEverythingElseKept) {
  EXPECT_EQ(FoldForSearch(QStringLiteral("José")), QStringLiteral("jose"));
  EXPECT_EQ(FoldForSearch(QStringLiteral("JOSÉ")), QStringLiteral("jose"));
  EXPECT_EQ(FoldForSearch(QStringLiteral("Ñandú Çedille")), QStringLiteral("nandu cedille"));
  EXPECT_EQ(FoldForSearch(QStringLiteral("Jose\u0301")), QStringLiteral("jose"));  // decomposed
  EXPECT_EQ(FoldForSearch(QStringLiteral("🌙 مريم")), QStringLiteral("🌙 مريم"));
  for (const char* name : {"Straße", "STRASSE", "Strasse", "STRAẞE"}) {
    EXPECT_EQ(FoldForSearch(QString::fromUtf8(name)), QStringLiteral("strasse")) << name;
  }
  EXPECT_EQ(FoldForSearch(QStringLiteral("Ｆﬁnca")), QStringLiteral("ｆfinca"));
}

TEST_F(JournalTest, ANewJournalIsPrivateInWalModeAtTheCurrentSchema) {
  ASSERT_EQ(Prepare(m_dir.filePath(QStringLiteral("a/b/journal.sqlite"))).condition,
            Condition::Ready);  // folders made as needed
  ASSERT_EQ(Prepare(Path()).condition, Condition::Ready);
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(Path()).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  Connection connection(Path(), false);
  QSqlQuery query(connection.Db());
  ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next());
  EXPECT_EQ(query.value(0).toString(), QStringLiteral("wal"));
  EXPECT_EQ(SchemaVersion(connection.Db()), kSchemaVersion);
}

TEST_F(JournalTest, ReadingsComeBackWholeNewestFirstAndTheSearchFoldsAccents) {
  ASSERT_TRUE(Prepare(Path()).Writable());
  Connection connection(Path(), false);
  const QStringList names = {QStringLiteral("José \"Pepe\", Ruiz\nline two"),
                             QStringLiteral("Maria"), QStringLiteral("JOSEFA 🌙 مريم")};
  // Each dealt an hour after the one before, on clocks half an hour apart.
  auto sample = [&](int i) {
    Entry entry = SampleEntry(names[i], static_cast<SpreadIndex>(i + 1), i * 1800 - 3600);
    entry.dealt = entry.dealt.addSecs(i * 3600);
    return entry;
  };
  for (int i = 0; i < names.size(); ++i) ASSERT_EQ(Insert(connection.Db(), sample(i)), QString());
  const std::vector<Entry> all = LoadList(connection.Db(), {});
  ASSERT_EQ(all.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const Entry& got = all[static_cast<std::size_t>(2 - i)];
    const Entry want = sample(i);
    EXPECT_EQ(got.name, want.name);
    EXPECT_EQ(got.birthDate, want.birthDate);
    EXPECT_EQ(got.spread, want.spread);
    EXPECT_EQ(got.mode, want.mode);
    EXPECT_EQ(got.hand, want.hand);
    EXPECT_EQ(got.language, want.language);
    EXPECT_EQ(got.dealt, want.dealt);
    EXPECT_EQ(got.dealt.offsetFromUtc(), want.dealt.offsetFromUtc());
    const std::optional<Entry> loaded = Load(connection.Db(), got.id);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->hand, want.hand);
  }
  EXPECT_EQ(LoadList(connection.Db(), QStringLiteral("jose")).size(), 2u);
  EXPECT_EQ(LoadList(connection.Db(), QStringLiteral("JOSÉ")).size(), 2u);
  EXPECT_EQ(LoadList(connection.Db(), QStringLiteral("مريم")).size(), 1u);
  EXPECT_EQ(LoadList(connection.Db(), QStringLiteral("%")).size(), 0u);

  ASSERT_EQ(Remove(connection.Db(), {all[0].id, all[2].id}), QString());
  const std::vector<Entry> left = LoadList(connection.Db(), {});
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].name, QStringLiteral("Maria"));
}

TEST_F(JournalTest, AReadingThatCannotBeShownIsNotLoaded) {
  ASSERT_TRUE(Prepare(Path()).Writable());
  Connection connection(Path(), false);
  Entry wrongCount = SampleEntry(QStringLiteral("a"));
  wrongCount.hand.pop_back();
  Entry notACard = SampleEntry(QStringLiteral("b"));
  notACard.hand[1] = kDeckSize;
  for (const Entry& entry : {wrongCount, notACard}) {
    ASSERT_EQ(Insert(connection.Db(), entry), QString());
  }
  EXPECT_TRUE(LoadList(connection.Db(), {}).empty());
  EXPECT_FALSE(Load(connection.Db(), 1).has_value());
}

// A reading of a reader's own spread keeps the spread as dealt; one whose kept spread cannot be
// read is not shown.
TEST_F(JournalTest, AReadingKeepsTheReadersSpreadAsDealt) {
  ASSERT_TRUE(Prepare(Path()).Writable());
  Connection connection(Path(), false);
  auto spread = std::make_shared<SpreadDefinition>();
  spread->name = "Cruz de Año Nuevo";
  spread->description = {"Two cards."};
  spread->positions = {{"Card 1: then.", {600, 720}}, {"Card 2: now.", {2000, 720}}};
  Entry entry = SampleEntry(QStringLiteral("own"));
  entry.spread = kOwnSpread;
  entry.own = spread;
  entry.hand = {39, 0};
  ASSERT_EQ(Insert(connection.Db(), entry), QString());
  const std::vector<Entry> found = LoadList(connection.Db(), {});
  ASSERT_EQ(found.size(), 1u);
  ASSERT_TRUE(found[0].own);
  EXPECT_EQ(*found[0].own, *spread);
  EXPECT_EQ(found[0].spread, kOwnSpread);
  EXPECT_EQ(found[0].hand, entry.hand);
  QSqlQuery query(connection.Db());
  ASSERT_TRUE(SelectList(query, {}) && query.next());
  EXPECT_EQ(query.value(kSpreadName).toString(), QStringLiteral("Cruz de Año Nuevo"));

  ASSERT_TRUE(query.exec(QStringLiteral("UPDATE reading SET spread_file = '{\"format\": 1}'")));
  EXPECT_TRUE(LoadList(connection.Db(), {}).empty());
  EXPECT_FALSE(Load(connection.Db(), found[0].id).has_value());
}

// Each earlier schema, made by its own steps and holding a reading, comes up to date with the
// reading intact.
TEST_F(JournalTest, EveryEarlierSchemaIsBroughtUpToDate) {
  for (int version = 1; version < kSchemaVersion; ++version) {
    const QString path = NewFile(m_dir.filePath(QStringLiteral("v%1.sqlite").arg(version)));
    {
      Connection connection(path, false);
      ASSERT_EQ(Migrate(connection.Db(), 0, version), QString());
      QSqlQuery query(connection.Db());
      // From version 2 on, a reading carries its name as the search compares it; from
      // version 4 on, fully folded.
      const QString folded = version >= 4   ? QStringLiteral(", 'jose strasse'")
                             : version >= 2 ? QStringLiteral(", 'jose stra\u00dfe'")
                                            : QString();
      ASSERT_TRUE(query.exec(
          QStringLiteral(
              "INSERT INTO reading (dealt, utc_offset, name, birth_date, spread, mode, cards%1)"
              " VALUES (1773518709000, 3600, 'Jos\u00e9 Stra\u00dfe', '1990-01-01', 0, 1,"
              " x'000127'%2)")
              .arg(version >= 2 ? QStringLiteral(", name_folded") : QString(), folded)));
    }
    ASSERT_EQ(Prepare(path).condition, Condition::Ready) << version;
    Connection connection(path, true);
    EXPECT_EQ(SchemaVersion(connection.Db()), kSchemaVersion);
    const std::vector<Entry> found = LoadList(connection.Db(), QStringLiteral("strasse"));
    ASSERT_EQ(found.size(), 1u) << version;
    EXPECT_EQ(found[0].hand, (std::vector<CardIndex>{0, 1, 39}));
    EXPECT_EQ(found[0].mode, DealMode::Manual);
    EXPECT_EQ(found[0].language, Language::English);
    EXPECT_EQ(found[0].notes, QString());
  }
}

// A file that is not a journal we can read is moved aside whole and a new journal begun.
TEST_F(JournalTest, DamagedForeignAndNonDatabaseFilesAreSetAsideByteForByte) {
  QByteArray damaged;
  {
    ASSERT_TRUE(Prepare(Path()).Writable());
    Connection connection(Path(), false);
    for (int i = 0; i < 300; ++i)
      Insert(connection.Db(), SampleEntry(QStringLiteral("x%1").arg(i)));
    QSqlQuery(connection.Db()).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
  }
  damaged = Bytes(Path());
  ASSERT_GT(damaged.size(), 8192);
  for (int i = 4096; i < damaged.size(); i += 7) damaged[i] = static_cast<char>(i * 31);
  QFile::remove(Path());
  const QString foreignPath = NewFile(m_dir.filePath(QStringLiteral("foreign.sqlite")));
  {
    Connection connection(foreignPath, false);
    QSqlQuery(connection.Db()).exec(QStringLiteral("CREATE TABLE notes (text TEXT)"));
  }
  const QByteArray foreign = Bytes(foreignPath);
  const QByteArray notADatabase("date,name\r\nnot a database at all\r\n");

  for (const QByteArray& bytes : {damaged, foreign, notADatabase}) {
    WriteBytes(Path(), bytes);
    const Preparation found = Prepare(Path());
    ASSERT_EQ(found.condition, Condition::SetAside) << bytes.left(16).toHex().toStdString();
    EXPECT_EQ(Bytes(found.setAsidePath), bytes);
    EXPECT_TRUE(found.setAsidePath.contains(QStringLiteral("journal-set-aside-")));
    EXPECT_EQ(Count(Path()), 0);
    QFile::remove(Path());
  }
}

TEST_F(JournalTest, ANewerJournalIsReadButNeverWritten) {
  {
    ASSERT_TRUE(Prepare(Path()).Writable());
    Connection connection(Path(), false);
    Insert(connection.Db(), SampleEntry(QStringLiteral("Ana")));
    QSqlQuery(connection.Db())
        .exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion + 1));
  }
  const Preparation found = Prepare(Path());
  EXPECT_EQ(found.condition, Condition::ReadOnlyNewer);
  EXPECT_TRUE(found.Readable());
  EXPECT_FALSE(found.Writable());
  EXPECT_EQ(Count(Path()), 1);
}

// Root writes into read-only folders, so the folder is then a file standing in the way.
TEST_F(JournalTest, AnUnreachableFolderOrAFullDiskIsReportedNotFatal) {
  QString path;
  if (::geteuid() == 0) {
    WriteBytes(m_dir.filePath(QStringLiteral("blocked")), "x");
    path = m_dir.filePath(QStringLiteral("blocked/journal.sqlite"));
  } else {
    const QString folder = m_dir.filePath(QStringLiteral("readonly"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    path = folder + QStringLiteral("/journal.sqlite");
  }
  const Preparation found = Prepare(path);
  EXPECT_EQ(found.condition, Condition::Unavailable);
  EXPECT_FALSE(found.reason.isEmpty());
  if (::geteuid() == 0) {
    EXPECT_TRUE(found.reason.endsWith(QStringLiteral("/blocked is a file, not a folder")))
        << found.reason.toStdString();
  }

  std::vector<Writer::Report> reports;
  {
    Writer writer([&](const Writer::Report& report) { reports.push_back(report); });
    writer.Post(path, SampleEntry(QStringLiteral("a")));
    writer.WaitUntilIdle();
  }
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].preparation.condition, Condition::Unavailable);

  // A full disk, as SQLite sees one: no page may be added.
  ASSERT_TRUE(Prepare(Path()).Writable());
  Connection connection(Path(), false);
  QSqlQuery query(connection.Db());
  ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA page_count")) && query.next());
  query.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(query.value(0).toInt()));
  QString why;
  for (int i = 0; i < 200 && why.isEmpty(); ++i) {
    why = Insert(connection.Db(), SampleEntry(QStringLiteral("%1").arg(i)));
  }
  EXPECT_TRUE(why.contains(QStringLiteral("full"))) << why.toStdString();
}

TEST_F(JournalTest, TheWriterRecordsInTheBackground) {
  std::vector<Writer::Report> reports;
  Writer writer([&](const Writer::Report& report) { reports.push_back(report); });
  for (int i = 0; i < 5; ++i) writer.Post(Path(), SampleEntry(QStringLiteral("n%1").arg(i)));
  writer.WaitUntilIdle();
  ASSERT_EQ(reports.size(), 5u);  // each reading said kept, and nothing else
  for (const Writer::Report& report : reports) {
    EXPECT_TRUE(report.kept && report.failure.isEmpty());
  }
  EXPECT_EQ(Count(Path()), 5);
}

// Notes follow their reading through the writer's queue; the search and the CSV see them.
TEST_F(JournalTest, NotesAreKeptAfterTheirReadingFoundFoldedAndExported) {
  std::vector<Writer::Report> reports;
  {
    Writer writer([&](const Writer::Report& report) { reports.push_back(report); });
    const Writer::Key key = writer.Post(Path(), SampleEntry(QStringLiteral("Ana")));
    writer.Post(Path(), SampleEntry(QStringLiteral("Bea")));
    writer.PostNotes(Path(), key, QStringLiteral("first draft"));
    writer.PostNotes(Path(), key, QStringLiteral("=Cambiaré, \"sí\"\nde TRABAJO"));
    writer.PostNotes(Path(), Writer::KeyOf(999), QStringLiteral("no such reading"));
    writer.WaitUntilIdle();
    EXPECT_GT(key->load(), 0);
  }
  // Notes for a reading the journal does not have are said not kept.
  ASSERT_FALSE(reports.empty());
  EXPECT_FALSE(reports.back().failure.isEmpty());
  Connection connection(Path(), false);
  const auto found = LoadList(connection.Db(), QStringLiteral("CAMBIARE"));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].name, QStringLiteral("Ana"));
  EXPECT_EQ(LoadList(connection.Db(), QStringLiteral("draft")).size(), 0u);
  const std::string csv = ToCsv(found, Language::English);
  EXPECT_TRUE(csv.ends_with(",\"'=Cambiaré, \"\"sí\"\"\nde TRABAJO\"\r\n")) << csv;
}

// The program killed in the middle of writing a reading loses that reading only.
TEST_F(JournalTest, AWriterKilledMidTransactionLeavesAJournalThatOpensCleanly) {
  QProcess writer;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("BARALUNE_JOURNAL_WRITER"), Path());
  writer.setProcessEnvironment(env);
  writer.start(QCoreApplication::applicationFilePath(), {});
  ASSERT_TRUE(writer.waitForStarted(10000));
  QByteArray out;
  while (!out.contains("ready") && writer.waitForReadyRead(30000))
    out += writer.readAllStandardOutput();
  ASSERT_TRUE(out.contains("ready")) << writer.readAllStandardError().toStdString();
  ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
  ASSERT_TRUE(writer.waitForFinished(10000));

  const Preparation found = Prepare(Path());
  EXPECT_EQ(found.condition, Condition::Ready);
  EXPECT_EQ(Count(Path()), kCommittedBeforeKill);
  Connection connection(Path(), false);
  EXPECT_EQ(Insert(connection.Db(), SampleEntry(QStringLiteral("after"))), QString());
}

TEST(JournalCsvTest, HeaderIsoDatesCardNamesAndQuoting) {
  const std::string csv =
      ToCsv({SampleEntry(QStringLiteral("Ana \"la\" Ruiz, hija"))}, Language::English);
  const auto& names = CatalogueIn(Language::English).cardName;
  const std::string cards = names[0] + " | " + names[7] + " | " + names[14];
  EXPECT_EQ(csv,
            "date,name,birth_date,spread,mode,cards,notes\r\n"
            "2026-03-14T21:05:09+01:00,\"Ana \"\"la\"\" Ruiz, hija\",1990-02-31,"
            "\"Past, Present, Future\",manual," +
                cards + ",\r\n");
}

// The export counts the readings listed that cannot be read, and escapes would-be formulas.
TEST_F(JournalTest, TheExportSaysHowManyReadingsItLeftOut) {
  ASSERT_TRUE(Prepare(Path()).Writable());
  Connection connection(Path(), false);
  Entry broken = SampleEntry(QStringLiteral("broken"));
  broken.hand.pop_back();
  for (const Entry& entry : {SampleEntry(QStringLiteral("=2*3")), broken}) {
    ASSERT_EQ(Insert(connection.Db(), entry), QString());
  }
  const CsvExport exported = ExportCsv(connection.Db(), {}, Language::English);
  EXPECT_EQ(exported.leftOut, 1);
  EXPECT_TRUE(exported.failure.isEmpty());
  EXPECT_NE(exported.csv.find("\r\n2026-03-14T21:05:09+01:00,'=2*3,"), std::string::npos);
  EXPECT_EQ(exported.csv.find("broken"), std::string::npos);
}

}  // namespace
}  // namespace baralune::journal::testing
