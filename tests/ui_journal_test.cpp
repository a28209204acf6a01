// The journal in the windows: readings recorded as they are shown and shown again exactly from
// the History; search, delete and export there; the menu entries; trouble told once.
#include <sys/stat.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>

#include "catalogue.h"
#include "frmCartomancy.h"
#include "history_window.h"
#include "journal_actions.h"
#include "journal_file.h"
#include "language.h"
#include "language_choice.h"
#include "readings.h"
#include "report_dump.h"
#include "schema.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

QString JournalPath() {
  return AppSeams().journalPath();
}

// Each card box of the spread in front: what a screen reader hears and what is drawn.
std::vector<std::pair<QString, QImage>> Faces(MDI* report) {
  std::vector<std::pair<QString, QImage>> faces;
  frmCartomancy* display = report->SpreadDisplayWindow();
  const SpreadIndex spread = display->FrontLayout();
  for (int p = 1; p <= SpreadOf(spread).cards; ++p) {
    const QLabel* box = display->CardBox(spread, p);
    faces.emplace_back(box->accessibleName(), box->pixmap().toImage());
  }
  return faces;
}

// Writes a reading straight into the journal, as an earlier session would have.
void Keep(const QString& name) {
  journal::Connection connection(JournalPath(), false);
  journal::Entry entry;
  entry.dealt = QDateTime::currentDateTime();
  entry.name = name;
  entry.birthDate = QStringLiteral("1984-07-09");
  entry.hand = {4, 17, 33};
  ASSERT_EQ(journal::Insert(connection.Db(), entry), QString());
}

int KeptCount() {
  journal::Connection connection(JournalPath(), true);
  return static_cast<int>(journal::LoadList(connection.Db(), {}).size());
}

QStringList FileMenuNames(QMainWindow* window) {
  QStringList names;
  auto* file = window->menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
  for (QAction* action : file->actions()) {
    names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
  }
  return names;
}

class JournalWindowTest : public UiTest {
 protected:
  // Lets the writer finish and its reports reach the user.
  static void Settle() {
    WaitForJournal();
    QCoreApplication::processEvents();
  }
};

TEST_F(JournalWindowTest, EveryReadingShownAgainFromTheHistoryIsTheOneFirstShown) {
  frmMain* main = OpenMainWindow();
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    // Every other reading is dealt in Spanish and shown again while Baralune speaks English.
    SetReadingLanguage(s % 2 ? Language::Spanish : Language::English);
    MDI* report = DealAutomatic(main, s, QStringLiteral("José ✨"));
    ASSERT_NE(report, nullptr);
    const std::string rtf = report->ReportBox().TextRTF();
    const std::string dump = DumpReport(report->ReportBox());
    const auto faces = Faces(report);
    const ReadingDetails first = report->Details();
    report->mnuBack_Click();
    FlushDeletes();
    Settle();
    SetReadingLanguage(Language::English);

    main = Loaded<frmMain>("frmMain");
    HistoryWindow* history = ShowHistoryWindow(main);
    EXPECT_EQ(history->windowTitle(), QStringLiteral("History - Baralune"));
    EXPECT_EQ(history->Model()->rowCount(), s + 1);
    EXPECT_EQ(history->Table()->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(history->Table()->currentIndex().row(), 0);
    EXPECT_EQ(history->focusWidget(), history->Table());
    QTest::keyClick(history->Table(), Qt::Key_Return);
    FlushDeletes();

    MDI* again = Loaded<MDI>("MDI");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Loaded<frmMain>("frmMain"), nullptr);
    EXPECT_EQ(Loaded<HistoryWindow>("HistoryWindow"), nullptr);
    EXPECT_EQ(again->ReportBox().TextRTF(), rtf) << "spread " << s;
    EXPECT_EQ(DumpReport(again->ReportBox()), dump);
    EXPECT_EQ(again->SpreadDisplayWindow()->FrontLayout(), s);
    EXPECT_TRUE(Faces(again) == faces) << "spread " << s;
    EXPECT_TRUE(again->Details().reopened);
    EXPECT_EQ(again->Details().name, first.name);
    EXPECT_EQ(again->Details().hand, first.hand);
    EXPECT_EQ(again->Details().dealt.toMSecsSinceEpoch(), first.dealt.toMSecsSinceEpoch());
    again->mnuBack_Click();
    FlushDeletes();
    main = Loaded<frmMain>("frmMain");
    ASSERT_NE(main, nullptr);
  }
  Settle();
  EXPECT_EQ(KeptCount(), kSpreadCount);  // shown again, not recorded again
}

TEST_F(JournalWindowTest, BothFileMenusOfferTheHistoryAndKeepAJournalWhichTurnsRecordingOff) {
  frmMain* main = OpenMainWindow();
  const QStringList names = FileMenuNames(main);
  const auto at = names.indexOf(QStringLiteral("mnuHistory"));
  ASSERT_GT(at, 0);
  EXPECT_EQ(names.mid(at - 1, 5),
            (QStringList{QStringLiteral("-"), QStringLiteral("mnuHistory"),
                         QStringLiteral("mnuKeepJournal"), QStringLiteral("mnuLanguage"),
                         QStringLiteral("-")}));
  auto* history = main->findChild<QAction*>(QStringLiteral("mnuHistory"));
  EXPECT_EQ(history->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
  auto* keep = main->findChild<QAction*>(QStringLiteral("mnuKeepJournal"));
  auto* file = main->menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
  emit file->aboutToShow();
  EXPECT_TRUE(keep->isCheckable());
  EXPECT_TRUE(keep->isChecked());  // on by default
  keep->trigger();
  EXPECT_FALSE(KeepingJournal());

  MDI* report = DealAutomatic(main, 2);
  const QStringList reportNames = FileMenuNames(report);
  const auto reportAt = reportNames.indexOf(QStringLiteral("mnuHistory"));
  ASSERT_GT(reportAt, 0);
  EXPECT_EQ(reportNames.mid(reportAt, 4),
            (QStringList{QStringLiteral("mnuHistory"), QStringLiteral("mnuKeepJournal"),
                         QStringLiteral("-"), QStringLiteral("mnuBack")}));
  Settle();
  EXPECT_FALSE(QFile::exists(JournalPath()));  // nothing recorded, nothing even opened

  report->findChild<QAction*>(QStringLiteral("mnuHistory"))->trigger();
  HistoryWindow* window = Loaded<HistoryWindow>("HistoryWindow");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Model()->rowCount(), 0);
}

TEST_F(JournalWindowTest, SearchDeleteAndExportInTheHistory) {
  ASSERT_TRUE(journal::Prepare(JournalPath()).Writable());
  for (const char* name : {"Maria", "José", "JOSEFA \"Pepa\", la de Écija"}) {
    Keep(QString::fromUtf8(name));
  }
  HistoryWindow* history = ShowHistoryWindow(OpenMainWindow());
  EXPECT_EQ(history->Model()->rowCount(), 3);
  EXPECT_EQ(history->Model()->index(0, journal::kName).data().toString(),
            QStringLiteral("JOSEFA \"Pepa\", la de Écija"));
  QTest::keyClicks(history->SearchField(), QStringLiteral("jose"));
  EXPECT_EQ(history->Model()->rowCount(), 2);
  EXPECT_EQ(history->Table()->currentIndex().row(), 0);

  desktop.saveAnswer = desktop.dir.filePath(QStringLiteral("readings"));
  Child<QPushButton>(history, "cmdExport")->click();
  ASSERT_EQ(desktop.saveRequests.size(), 1u);
  EXPECT_EQ(desktop.saveRequests[0].title, QStringLiteral("Baralune"));
  QFile csv(desktop.saveAnswer + QStringLiteral(".csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = csv.readAll().split('\n');
  EXPECT_EQ(lines.size(), 4);  // header, two readings, and the end of the last line
  EXPECT_EQ(lines[0], QByteArray("date,name,birth_date,spread,mode,cards,notes\r"));
  ASSERT_TRUE(QDir(desktop.dir.path()).mkdir(QStringLiteral("folder.csv")));
  desktop.saveAnswer = desktop.dir.filePath(QStringLiteral("folder.csv"));  // said why
  Child<QPushButton>(history, "cmdExport")->click();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("it is a folder")));
  EXPECT_EQ(desktop.messages[0].icon, QMessageBox::Warning);

  history->Table()->selectAll();
  desktop.answer = QMessageBox::Cancel;
  QTest::keyClick(history->Table(), Qt::Key_Delete);
  ASSERT_EQ(desktop.messages.size(), 2u);
  EXPECT_TRUE(desktop.messages[1].text.endsWith(QStringLiteral("This cannot be undone.")));
  EXPECT_EQ(desktop.messages[1].action, QStringLiteral("Delete"));
  EXPECT_EQ(KeptCount(), 3);
  desktop.answer = QMessageBox::Yes;
  QTest::keyClick(history->Table(), Qt::Key_Delete);
  EXPECT_EQ(history->Model()->rowCount(), 0);
  EXPECT_EQ(KeptCount(), 1);
}

// Recording never stands in the way of a reading; what went wrong is said once.
TEST_F(JournalWindowTest, AnUnreachableJournalIsToldOnceAndReadingsGoOn) {
  QFile blocker(desktop.dir.filePath(QStringLiteral("blocked")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  AppSeams().journalPath = [this] {
    return desktop.dir.filePath(QStringLiteral("blocked/j.sqlite"));
  };
  for (int i = 0; i < 2; ++i) {
    MDI* report = DealAutomatic(OpenMainWindow(), i);
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    Settle();
    report->mnuBack_Click();
    FlushDeletes();
    QuitProgram();
  }
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("could not be opened")));
}

// A FIFO at the journal's path is refused without waiting on it and said once; the reading
// and the History go on.
TEST_F(JournalWindowTest, AFifoAtTheJournalsPathIsRefusedAndSaidOnce) {
  ASSERT_EQ(::mkfifo(QFile::encodeName(JournalPath()).constData(), 0600), 0);
  MDI* report = DealAutomatic(OpenMainWindow(), 0);
  ASSERT_NE(report, nullptr);
  Settle();
  HistoryWindow* history = ShowHistoryWindow(report);
  EXPECT_EQ(history->Model()->rowCount(), 0);
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("is not a regular file")))
      << desktop.messages[0].text.toStdString();
}

TEST_F(JournalWindowTest, ADamagedJournalIsSetAsideOnceAndANewOneBegun) {
  const QByteArray garbage(5000, '\x5a');
  QFile file(JournalPath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(garbage);
  file.close();
  DealAutomatic(OpenMainWindow(), 0);
  Settle();
  ASSERT_EQ(desktop.messages.size(), 1u);
  const QString text = desktop.messages[0].text;
  EXPECT_TRUE(text.contains(QStringLiteral("set aside as"))) << text.toStdString();
  const QStringList asides =
      QDir(desktop.dir.path()).entryList({QStringLiteral("journal-set-aside-*.sqlite")});
  ASSERT_EQ(asides.size(), 1);
  EXPECT_TRUE(text.contains(asides[0]));
  QFile aside(desktop.dir.filePath(asides[0]));
  ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
  EXPECT_EQ(aside.readAll(), garbage);
  EXPECT_EQ(KeptCount(), 1);
  ShowHistoryWindow(Loaded<MDI>("MDI"));
  EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST_F(JournalWindowTest, ANewerJournalIsShownReadOnlyAndNothingIsRecordedInIt) {
  {
    QFile(JournalPath()).open(QIODevice::WriteOnly);
    journal::Connection connection(JournalPath(), false);
    ASSERT_EQ(journal::Migrate(connection.Db(), 0), QString());
  }
  Keep(QStringLiteral("Ana"));
  {
    journal::Connection connection(JournalPath(), false);
    ASSERT_TRUE(
        QSqlQuery(connection.Db())
            .exec(QStringLiteral("PRAGMA user_version = %1").arg(journal::kSchemaVersion + 1)));
  }
  HistoryWindow* history = ShowHistoryWindow(OpenMainWindow());
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("read-only")));
  EXPECT_EQ(history->Model()->rowCount(), 1);
  EXPECT_FALSE(Child<QPushButton>(history, "cmdDelete")->isEnabled());
  history->close();
  DealAutomatic(Loaded<frmMain>("frmMain"), 1);
  Settle();
  EXPECT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(KeptCount(), 1);
}

// Not a check: paints the README's picture of the History window, when run by name with
// --gtest_also_run_disabled_tests and BARALUNE_SCREENSHOT=<file.png>.
TEST_F(JournalWindowTest, DISABLED_ScreenshotOfTheHistoryWindow) {
  ASSERT_TRUE(journal::Prepare(JournalPath()).Writable());
  journal::Connection connection(JournalPath(), false);
  const char* const names[] = {"Carmen Ruiz", "José Antonio", "Lucía", "María José", "Pilar"};
  for (int i = 0; i < 12; ++i) {
    journal::Entry entry;
    entry.dealt = QDateTime(QDate(2026, 11, 2 + i * 2), QTime(10 + i % 9, (i * 17) % 60));
    entry.name = QString::fromUtf8(names[i % 5]);
    entry.birthDate = QStringLiteral("19%1-0%2-1%3").arg(60 + i * 3).arg(1 + i % 9).arg(i % 10);
    entry.spread = static_cast<SpreadIndex>(i % kSpreadCount);
    entry.mode = static_cast<journal::DealMode>(i % 3 == 2);
    for (int p = 0; p < SpreadOf(entry.spread).cards; ++p)
      entry.hand.push_back(static_cast<CardIndex>(p));
    ASSERT_EQ(journal::Insert(connection.Db(), entry), QString());
  }
  HistoryWindow* history = ShowHistoryWindow(OpenMainWindow());
  QTest::keyClicks(history->SearchField(), QStringLiteral("jose"));
  QTest::qWait(200);
  ASSERT_TRUE(history->grab().save(qEnvironmentVariable("BARALUNE_SCREENSHOT")));
}

}  // namespace
}  // namespace baralune::testing
