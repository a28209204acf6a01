// The journal against what may stand at its path: things that are not files, versions never
// written, a journal deleted while in use, a write-ahead log beside a damaged file, read-only
// files and folders, and a writer that cannot finish.
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QProcess>
#include <QSqlQuery>
#include <chrono>
#include <cstring>
#include <future>
#include <limits>

#include "journal_test_files.h"
#include "schema.h"
#include "writer.h"

namespace baralune::journal::testing {
namespace {

using Condition = Preparation::Condition;
using namespace std::chrono_literals;

// `prepare` must come back quickly: a hang here is the fault being tested for.
Preparation WithinSeconds(const std::function<Preparation()>& prepare) {
  auto result = std::async(std::launch::async, prepare);
  if (result.wait_for(10s) != std::future_status::ready) {
    ADD_FAILURE() << "the journal blocked";
    std::quick_exit(1);  // the thread cannot be joined
  }
  return result.get();
}

unsigned ModeOf(const QString& path) {
  struct stat info {};
  return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 0777 : 0;
}

void MakeSocket(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray native = QFile::encodeName(path);
  ASSERT_LT(native.size(), static_cast<qsizetype>(sizeof address.sun_path));
  std::memcpy(address.sun_path, native.constData(), static_cast<std::size_t>(native.size()));
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
}

// A FIFO, a socket, a folder or a device at the journal's path, or a FIFO for its log, is
// refused at once; nothing is created or set aside in its place.
TEST_F(JournalTest, WhatIsNotARegularFileIsRefusedWithoutBlocking) {
  const QString fifo = m_dir.filePath(QStringLiteral("fifo.sqlite"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString socket = m_dir.filePath(QStringLiteral("s.sqlite"));
  MakeSocket(socket);
  const QString folder = m_dir.filePath(QStringLiteral("folder.sqlite"));
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString device = m_dir.filePath(QStringLiteral("device.sqlite"));
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));
  const QString fifoLog = NewFile(m_dir.filePath(QStringLiteral("log.sqlite")));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifoLog + QStringLiteral("-wal")).constData(), 0600), 0);

  for (const QString& path : {fifo, socket, folder, device, fifoLog}) {
    const Preparation found = WithinSeconds([&] { return Prepare(path); });
    EXPECT_EQ(found.condition, Condition::Unavailable) << path.toStdString();
    EXPECT_TRUE(found.reason.contains(QStringLiteral("is not a regular file")))
        << found.reason.toStdString();
  }
  EXPECT_EQ(
      QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(),
      6);  // nothing set aside

  std::vector<Writer::Report> reports;
  WithinSeconds([&] {
    Writer writer([&](const Writer::Report& report) { reports.push_back(report); });
    writer.Post(fifo, SampleEntry(QStringLiteral("a")));
    writer.WaitUntilIdle();
    return Preparation{};
  });
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].preparation.condition, Condition::Unavailable);
}

// Ending the program waits a bounded time for a writer stuck on a reading.
TEST_F(JournalTest, AStuckWriterDoesNotKeepTheProgramFromEnding) {
  auto release = std::make_shared<std::promise<void>>();
  std::shared_future<void> released = release->get_future().share();
  const auto start = std::chrono::steady_clock::now();
  {
    Writer writer([released](const Writer::Report&) { released.wait_for(60s); }, 200ms);
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path()).constData(), 0600), 0);
    writer.Post(Path(), SampleEntry(QStringLiteral("b")));
    std::this_thread::sleep_for(100ms);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
  release->set_value();
}

// A version Baralune never wrote is damage: set aside, never a crash or a silent failure.
TEST_F(JournalTest, AVersionNeverWrittenIsSetAside) {
  for (const int version : {-1, 0, std::numeric_limits<int>::min()}) {
    {
      ASSERT_TRUE(Prepare(Path()).Writable());
      Connection connection(Path(), false);
      ASSERT_TRUE(
          QSqlQuery(connection.Db()).exec(QStringLiteral("PRAGMA user_version = %1").arg(version)));
    }
    const Preparation found = Prepare(Path());
    EXPECT_EQ(found.condition, Condition::SetAside) << version;
    EXPECT_EQ(Count(Path()), 0);
    QFile::remove(Path());
  }
  Connection connection(NewFile(m_dir.filePath(QStringLiteral("m.sqlite"))), false);
  EXPECT_FALSE(Migrate(connection.Db(), -1).isEmpty());
  EXPECT_FALSE(Migrate(connection.Db(), 0, kSchemaVersion + 1).isEmpty());
}

// Whatever file was at the path, the journal and its log are private once it is opened; and a
// connection does not make a journal where there is none.
TEST_F(JournalTest, TheJournalIsPrivateWhateverWasThereAndNotMadeByAConnection) {
  {
    Connection connection(Path(), false);
    EXPECT_FALSE(connection.IsOpen());
  }
  EXPECT_FALSE(QFileInfo::exists(Path()));
  {
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadGroup | QFileDevice::ReadOther));
  }
  ASSERT_EQ(Prepare(Path()).condition, Condition::Ready);
  Connection connection(Path(), false);
  ASSERT_EQ(Insert(connection.Db(), SampleEntry(QStringLiteral("a"))), QString());
  for (const char* suffix : {"", "-wal", "-shm"}) {
    EXPECT_EQ(ModeOf(Path() + QLatin1String(suffix)), 0600u) << suffix;
  }
}

// The journal deleted while Baralune runs: noticed before the next reading, told once, and the
// reading kept in a new journal rather than in the file that is gone.
TEST_F(JournalTest, AJournalDeletedWhileInUseIsNoticedAndBegunAnew) {
  std::vector<Writer::Report> reports;  // what is said; a reading kept is not
  Writer writer([&](const Writer::Report& report) {
    if (!report.kept) reports.push_back(report);
  });
  writer.Post(Path(), SampleEntry(QStringLiteral("before")));
  writer.WaitUntilIdle();
  ASSERT_EQ(Count(Path()), 1);
  for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(Path() + QLatin1String(suffix));

  writer.Post(Path(), SampleEntry(QStringLiteral("after")));
  writer.Post(Path(), SampleEntry(QStringLiteral("after that")));
  writer.WaitUntilIdle();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_TRUE(reports[0].preparation.renewed);
  EXPECT_TRUE(reports[0].failure.isEmpty());
  EXPECT_EQ(Count(Path()), 2);
  EXPECT_EQ(ModeOf(Path()), 0600u);
}

// What is set aside is what was found: the damaged file and its unmerged log, byte for byte.
TEST_F(JournalTest, AJournalIsSetAsideWithItsLogUnmerged) {
  const QString source = NewFile(m_dir.filePath(QStringLiteral("source.sqlite")));
  QByteArray main;
  QByteArray log;
  {
    Connection connection(source, false);
    QSqlQuery query(connection.Db());
    ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA journal_mode = WAL")));
    ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0")));
    ASSERT_TRUE(query.exec(QStringLiteral("CREATE TABLE notes (text TEXT)")));
    for (int i = 0; i < 50; ++i) {
      ASSERT_TRUE(query.exec(QStringLiteral("INSERT INTO notes VALUES (hex(randomblob(500)))")));
    }
    main = Bytes(source);
    log = Bytes(source + QStringLiteral("-wal"));
  }
  ASSERT_GT(log.size(), main.size());
  WriteBytes(Path(), main);
  WriteBytes(Path() + QStringLiteral("-wal"), log);

  const Preparation found = Prepare(Path());
  ASSERT_EQ(found.condition, Condition::SetAside);
  EXPECT_EQ(Bytes(found.setAsidePath), main);
  EXPECT_EQ(Bytes(found.setAsidePath + QStringLiteral("-wal")), log);
  EXPECT_EQ(Count(Path()), 0);
}

// Run as a user the permissions hold for: root writes anywhere.
bool RanAsNobody(const char* test) {
  if (::geteuid() != 0) return false;
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("TMPDIR"), QStringLiteral("/tmp"));
  child.setProcessEnvironment(env);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QStringLiteral("setpriv"),
              {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
               QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
               QStringLiteral("--gtest_filter=JournalTest.%1").arg(QLatin1String(test))});
  EXPECT_TRUE(child.waitForFinished(60000));
  const QByteArray out = child.readAll();
  EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
  EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
  return true;
}

// A journal in a folder that cannot be written, or a read-only journal, is still read: its
// readings are shown, and nothing is written to it.
TEST_F(JournalTest, AReadOnlyFolderOrFileIsReadNotWritten) {
  if (RanAsNobody("AReadOnlyFolderOrFileIsReadNotWritten")) return;
  const QString folder = m_dir.filePath(QStringLiteral("Baralune"));
  const QString path = folder + QStringLiteral("/journal.sqlite");
  {
    ASSERT_TRUE(Prepare(path).Writable());
    Connection connection(path, false);
    ASSERT_EQ(Insert(connection.Db(), SampleEntry(QStringLiteral("kept"))), QString());
  }
  ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
  Preparation found = Prepare(path);
  EXPECT_EQ(found.condition, Condition::ReadOnly);
  EXPECT_FALSE(found.reason.isEmpty());
  EXPECT_EQ(Count(path), 1);

  ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0400), 0);
  found = Prepare(path);
  EXPECT_EQ(found.condition, Condition::ReadOnly);
  EXPECT_EQ(Count(path), 1);
  EXPECT_EQ(ModeOf(path), 0400u);  // private, and left read-only

  // A file where the folder should be is named as what is wrong.
  const QString blocked = NewFile(m_dir.filePath(QStringLiteral("Blocked")));
  found = Prepare(blocked + QStringLiteral("/Baralune/journal.sqlite"));
  EXPECT_EQ(found.condition, Condition::Unavailable);
  EXPECT_EQ(found.reason, blocked + QStringLiteral(" is a file, not a folder"));
}

// A full disk at the first use: the readings kept are still shown. Needs a small file system of
// its own, which only the superuser can mount.
TEST_F(JournalTest, AFullDiskStillShowsTheReadings) {
  const QString disk = m_dir.filePath(QStringLiteral("disk"));
  ASSERT_TRUE(QDir().mkpath(disk));
  if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=256k") != 0) {
    GTEST_SKIP() << "cannot mount a small file system here";
  }
  struct Unmount {
    QByteArray at;
    ~Unmount() { ::umount(at.constData()); }
  } unmount{QFile::encodeName(disk)};
  const QString path = disk + QStringLiteral("/journal.sqlite");
  {
    ASSERT_TRUE(Prepare(Path()).Writable());
    Connection connection(Path(), false);
    ASSERT_EQ(Insert(connection.Db(), SampleEntry(QStringLiteral("kept"))), QString());
  }
  WriteBytes(path, Bytes(Path()));
  {
    QFile filler(disk + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
  }
  const Preparation found = Prepare(path);
  EXPECT_EQ(found.condition, Condition::ReadOnly) << found.reason.toStdString();
  EXPECT_EQ(Count(path), 1);
}

}  // namespace
}  // namespace baralune::journal::testing
