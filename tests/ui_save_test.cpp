// Saving the report: the dialog's request, the default extension, cancel, and failed writes
// that are reported and never damage an existing file.
#include <sys/resource.h>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "ui_test_support.h"

namespace baralune::testing {
namespace {

class SaveTest : public UiTest {
 protected:
  void SetUp() override {
    report = DealAutomatic(OpenMainWindow(), 1);
    ASSERT_NE(report, nullptr);
  }
  QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QByteArray ReportRtf() { return QByteArray::fromStdString(report->ReportBox().TextRTF()); }

  MDI* report = nullptr;
};

TEST_F(SaveTest, AsksForAnRtfFileWithTheProgramTitle) {
  QTest::mouseClick(report->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
  ASSERT_EQ(desktop.saveRequests.size(), 1u);
  EXPECT_EQ(desktop.saveRequests[0].title, QStringLiteral("Baralune"));
  // .doc is listed too, so the file chosen last time is not hidden by the filter.
  EXPECT_EQ(desktop.saveRequests[0].filter, QStringLiteral("Rich Text Format (*.rtf *.doc)"));
  EXPECT_EQ(desktop.saveRequests[0].defaultSuffix, QStringLiteral("doc"));
  // Named from the reading, with nothing in it a file system would refuse.
  const QString dealt = report->Details().dealt.date().toString(Qt::ISODate);
  EXPECT_EQ(desktop.saveRequests[0].fileName,
            QStringLiteral("Maria - 9 Card Layout - %1.rtf").arg(dealt));
  report->SetReadingDetails([&] {
    ReadingDetails odd = report->Details();
    odd.name = QStringLiteral("../A/B: \"C\"?");
    return odd;
  }());
  desktop.saveRequests.clear();
  auto* save = report->findChild<QAction*>(QStringLiteral("mnuSave"));
  EXPECT_EQ(save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  save->trigger();
  ASSERT_EQ(desktop.saveRequests.size(), 1u);
  EXPECT_EQ(desktop.saveRequests[0].fileName,
            QStringLiteral("Baralune..AB C - 9 Card Layout - %1.rtf").arg(dealt));
}

TEST_F(SaveTest, TheDialogOpensInTheLastFolderSavedToElseInDocuments) {
  // A home of the test's own, with a Documents folder and no folder settings of its own.
  const QString home = desktop.dir.filePath(QStringLiteral("home"));
  const QString documents = home + QStringLiteral("/Documents");
  const QString readings = desktop.dir.filePath(QStringLiteral("readings"));
  ASSERT_TRUE(QDir().mkpath(documents) && QDir().mkpath(readings));
  const QByteArray oldHome = qgetenv("HOME");
  const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
  const bool configSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  auto restore = qScopeGuard([&] {
    qputenv("HOME", oldHome);
    if (configSet) {
      qputenv("XDG_CONFIG_HOME", oldConfig);
    } else {
      qunsetenv("XDG_CONFIG_HOME");
    }
  });
  qputenv("HOME", QFile::encodeName(home));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
  auto nextFolder = [&] {
    desktop.saveAnswer.clear();
    report->cmdSave_Click();
    return desktop.saveRequests.back().directory;
  };

  EXPECT_EQ(nextFolder(), documents);
  desktop.saveAnswer = readings + QStringLiteral("/reading.rtf");
  report->cmdSave_Click();
  EXPECT_EQ(nextFolder(), readings);
  // A save that failed is not remembered.
  desktop.saveAnswer = desktop.dir.filePath(QStringLiteral("no-such-folder/reading.rtf"));
  report->cmdSave_Click();
  EXPECT_EQ(nextFolder(), readings);
  ASSERT_TRUE(QDir(readings).removeRecursively());
  EXPECT_EQ(nextFolder(), documents);
  ASSERT_TRUE(QDir(documents).removeRecursively());
  EXPECT_EQ(nextFolder(), home);
}

TEST_F(SaveTest, ANameWithoutExtensionGetsDoc) {
  desktop.saveAnswer = desktop.dir.filePath(QStringLiteral("reading"));
  report->cmdSave_Click();
  EXPECT_FALSE(QFile::exists(desktop.saveAnswer));
  const QByteArray saved = ReadFile(desktop.saveAnswer + QStringLiteral(".doc"));
  EXPECT_TRUE(saved.startsWith("{\\rtf"));
  EXPECT_EQ(saved, ReportRtf());
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SaveTest, ANameWithExtensionIsUsedAsItIs) {
  desktop.saveAnswer = desktop.dir.filePath(QStringLiteral("reading.rtf"));
  report->cmdSave_Click();
  EXPECT_EQ(ReadFile(desktop.saveAnswer), ReportRtf());
  EXPECT_FALSE(QFile::exists(desktop.saveAnswer + QStringLiteral(".doc")));
  // Saving again over it replaces it whole.
  report->cmdSave_Click();
  EXPECT_EQ(ReadFile(desktop.saveAnswer), ReportRtf());
}

TEST_F(SaveTest, CancelWritesNothingAndSaysNothing) {
  desktop.saveAnswer.clear();
  report->cmdSave_Click();
  EXPECT_EQ(desktop.saveRequests.size(), 1u);
  EXPECT_TRUE(desktop.messages.empty());
  EXPECT_TRUE(QDir(desktop.dir.path()).entryList(QDir::Files).filter(".doc").isEmpty());
}

TEST_F(SaveTest, AMissingFolderIsReportedWithTheFileName) {
  desktop.saveAnswer = desktop.dir.filePath(QStringLiteral("no-such-folder/reading.rtf"));
  report->cmdSave_Click();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_TRUE(desktop.messages[0].text.contains(desktop.saveAnswer));
  EXPECT_FALSE(QFile::exists(desktop.saveAnswer));
}

TEST_F(SaveTest, AFailedWriteKeepsTheOldFile) {
  const QString path = desktop.dir.filePath(QStringLiteral("old.rtf"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old report");
  }
  ASSERT_GT(ReportRtf().size(), 4096);
  // A file-size limit makes the write fail half way, even for root.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  desktop.saveAnswer = path;
  report->cmdSave_Click();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_TRUE(desktop.messages[0].text.contains(path));
  // The system's reason, not "Unknown error".
  EXPECT_TRUE(desktop.messages[0].text.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))))
      << desktop.messages[0].text.toStdString();
  EXPECT_EQ(ReadFile(path), QByteArray("old report"));
  // No half-written file is left beside it either.
  EXPECT_EQ(QDir(desktop.dir.path()).entryList(QDir::Files).filter("old.rtf").size(), 1);
}

TEST_F(SaveTest, AReadOnlyFileOrAFolderIsRefusedAndLeftAsItIs) {
  const QString readOnly = desktop.dir.filePath(QStringLiteral("kept.rtf"));
  {
    QFile old(readOnly);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("kept");
  }
  QFile::setPermissions(readOnly, QFile::ReadOwner);
  const QString folder = desktop.dir.filePath(QStringLiteral("folder.rtf"));
  ASSERT_TRUE(QDir().mkdir(folder));
  for (const QString& target : {readOnly, folder}) {
    desktop.messages.clear();
    desktop.saveAnswer = target;
    report->cmdSave_Click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].text.contains(target));
  }
  EXPECT_EQ(ReadFile(readOnly), QByteArray("kept"));
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

}  // namespace
}  // namespace baralune::testing
