// Start-up: the update reminder's 15-day rule, the choice of advertisement, and the single
// instance, in one process and with two real ones.
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <functional>

#include "random.h"
#include "startup.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

class UpdateReminderTest : public UiTest {
 protected:
  QSettings Store() {
    return QSettings(desktop.dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
  }
  void StoreDate(const QVariant& value) {
    QSettings s = Store();
    s.setValue(kLastReminderKey, value);
    s.sync();
  }
  QString Stored() { return Store().value(kLastReminderKey).toString(); }
  bool Prompted() { return !desktop.messages.empty(); }
};

TEST_F(UpdateReminderTest, FirstStartRemembersTheDayWithoutAsking) {
  UpdateReminder();
  EXPECT_FALSE(Prompted());
  EXPECT_EQ(Stored(), QStringLiteral("2026-06-15"));
}

TEST_F(UpdateReminderTest, AnUnreadableDateCountsAsMissing) {
  StoreDate(QStringLiteral("fifteenth of never"));
  UpdateReminder();
  EXPECT_FALSE(Prompted());
  EXPECT_EQ(Stored(), QStringLiteral("2026-06-15"));
}

TEST_F(UpdateReminderTest, AsksFrom15DaysOnEitherSide) {
  struct Case {
    int daysAgo;
    bool prompt;
  };
  // Negative: the stored date lies in the future, as after the clock was set back.
  for (Case c : {Case{0, false}, Case{14, false}, Case{15, true}, Case{400, true}, Case{-14, false},
                 Case{-15, true}}) {
    desktop.messages.clear();
    StoreDate(desktop.today.addDays(-c.daysAgo).toString(Qt::ISODate));
    UpdateReminder();
    EXPECT_EQ(Prompted(), c.prompt) << c.daysAgo;
    EXPECT_EQ(Stored(), c.prompt ? QStringLiteral("2026-06-15")
                                 : desktop.today.addDays(-c.daysAgo).toString(Qt::ISODate))
        << c.daysAgo;
  }
}

TEST_F(UpdateReminderTest, TheAnswerDecidesWhetherTheDownloadPageOpens) {
  StoreDate(QStringLiteral("2026-05-01"));
  desktop.answer = QMessageBox::No;
  UpdateReminder();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text,
            QStringLiteral("There maybe an update to this software available\r"
                           "Do you want to check for an update?"));
  EXPECT_EQ(desktop.messages[0].icon, QMessageBox::Information);
  EXPECT_EQ(desktop.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(desktop.opened.empty());
  // Answered: the next prompt comes 15 days later at the earliest.
  desktop.today = desktop.today.addDays(14);
  UpdateReminder();
  EXPECT_EQ(desktop.messages.size(), 1u);

  desktop.today = desktop.today.addDays(1);
  desktop.answer = QMessageBox::Yes;
  UpdateReminder();
  EXPECT_EQ(desktop.messages.size(), 2u);
  ASSERT_EQ(desktop.opened.size(), 1u);
  EXPECT_TRUE(desktop.opened[0].endsWith(QStringLiteral("?page=download-web-page")));
}

using CoBrandTest = UiTest;

TEST_F(CoBrandTest, TheDrawDecidesWhichAdvertisementLiesInFront) {
  for (std::uint64_t seed = 0; seed < 40; ++seed) {
    SharedRandom().Seed(seed);
    RandomGenerator copy = SharedRandom();
    const float r = copy.Next();
    frmMain* main = OpenMainWindow();
    CoBrand_Randomize(*main);
    const int n = intCoBrandRandomNumber;
    EXPECT_EQ(n, static_cast<int>(std::nearbyint(r * 6.0f + 1.0f)));
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 7);
    const QObjectList& order = main->lblCobrand()->parentWidget()->children();
    const bool cobrandInFront =
        order.indexOf(main->lblCobrand()) > order.indexOf(main->lblFullBrand());
    EXPECT_EQ(cobrandInFront, n % 2 == 1 && n != 7) << "n = " << n;
    main->close();
  }
}

TEST(InstanceLockTest, ASecondLockFailsAndAStaleLockIsTakenOver) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("baralune.lock"));
  auto first = InstanceLock::Acquire(path);
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->Held());
  EXPECT_EQ(InstanceLock::Acquire(path), nullptr);
  first.reset();
  // A lock written by a process that no longer runs.
  {
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999999\nbaralune\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  }
  EXPECT_NE(InstanceLock::Acquire(path), nullptr);
}

// Whatever lies at the lock's path, a lock that no running Baralune holds never blocks a start.
TEST(InstanceLockTest, NoLeftoverAtThePathKeepsTheUserOut) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("baralune.lock"));
  auto writeLock = [&](const QByteArray& bytes) {
    QFile::remove(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  };
  struct Leftover {
    const char* what;
    std::function<void()> make;
    bool held;
  };
  const std::vector<Leftover> leftovers = {
      {"empty file", [&] { writeLock({}); }, true},
      {"garbage",
       [&] {
         static constexpr char kGarbage[] = "\xff\x00not a lock\n";
         writeLock(QByteArray(kGarbage, sizeof kGarbage - 1));
       },
       true},
      {"another host", [&] { writeLock("1\nbaralune\nsome-other-host.example\n"); }, true},
      {"folder",
       [&] {
         QFile::remove(path);
         QDir().mkdir(path);
       },
       false},
      {"dangling link",
       [&] {
         QDir(path).removeRecursively();
         QFile::link(dir.filePath(QStringLiteral("nowhere")), path);
       },
       false},
  };
  for (const Leftover& leftover : leftovers) {
    leftover.make();
    auto lock = InstanceLock::Acquire(path);
    ASSERT_NE(lock, nullptr) << leftover.what;
    EXPECT_EQ(lock->Held(), leftover.held) << leftover.what;
  }
  // The link was not followed: nothing was created at its target.
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("nowhere"))));
}

TEST(InstanceLockTest, WithoutARuntimeFolderTheLockLivesInAPrivateFolder) {
  QTemporaryDir cache;
  const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
  const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
  qunsetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
  const QString path = InstanceLockPath();
  auto restore = [](const char* name, const QByteArray& value) {
    if (value.isNull()) {
      qunsetenv(name);
    } else {
      qputenv(name, value);
    }
  };
  restore("XDG_RUNTIME_DIR", oldRuntime);
  restore("XDG_CACHE_HOME", oldCache);

  ASSERT_TRUE(path.startsWith(cache.path() + QLatin1Char('/'))) << path.toStdString();
  const QFileInfo folder(QFileInfo(path).absolutePath());
  EXPECT_EQ(folder.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                    QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
            QFile::Permissions());
}

#ifdef BARALUNE_PROGRAM
class TwoProcessesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("BARALUNE_TEST_DIR"), dir.path());
    env.insert(QStringLiteral("BARALUNE_TEST_AUTOANSWER"), QStringLiteral("no"));
    for (QProcess* p : {&first, &second}) {
      p->setProgram(QStringLiteral(BARALUNE_PROGRAM));
      p->setProcessEnvironment(env);
    }
  }
  void TearDown() override {
    for (QProcess* p : {&first, &second}) {
      if (p->state() != QProcess::NotRunning) {
        p->kill();
        p->waitForFinished(5000);
      }
    }
  }
  // Waits until the running program has taken its lock.
  bool WaitForLock() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
      if (QFile::exists(dir.filePath(QStringLiteral("baralune.lock"))) &&
          QFile::exists(dir.filePath(QStringLiteral("settings.ini")))) {
        return true;
      }
      QTest::qWait(50);
    }
    return false;
  }

  QTemporaryDir dir;
  QProcess first;
  QProcess second;
};

TEST_F(TwoProcessesTest, TheSecondStartSaysSoAndEndsWhileTheFirstRunsOn) {
  first.start();
  ASSERT_TRUE(first.waitForStarted(10000));
  ASSERT_TRUE(WaitForLock());

  second.start();
  ASSERT_TRUE(second.waitForFinished(30000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_TRUE(second.readAllStandardError().contains("message: Application is already running"));
  EXPECT_EQ(first.state(), QProcess::Running);

  // A crashed first instance leaves its lock behind; the next start is not blocked by it.
  first.kill();
  ASSERT_TRUE(first.waitForFinished(5000));
  ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("baralune.lock"))));
  second.start();
  ASSERT_TRUE(second.waitForStarted(10000));
  EXPECT_FALSE(second.waitForFinished(1500));
  EXPECT_EQ(second.state(), QProcess::Running);
  EXPECT_FALSE(second.readAllStandardError().contains("already running"));
}
#endif

}  // namespace
}  // namespace baralune::testing
