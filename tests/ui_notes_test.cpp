// The reader's notes on a reading: kept in the journal as they are typed, even when the program
// is killed, shown again with the reading, found by the History's search.
#include <signal.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTableView>
#include <QThread>
#include <cstdio>

#include "history_window.h"
#include "journal_file.h"
#include "notes_window.h"
#include "readings.h"
#include "ui_test_support.h"

namespace baralune::testing {

namespace {

const QString kTyped = QStringLiteral("¿Cambiaré de TRABAJO este año?");

std::vector<journal::Entry> KeptReadings(const QString& path) {
  journal::Connection connection(path, true);
  return journal::LoadList(connection.Db(), {});
}

}  // namespace

// The program the kill test starts: a reading dealt, notes typed, then nothing until SIGKILL.
// Called by the tests' main.
int TypeNotesUntilKilled(const QString& dir);
int TypeNotesUntilKilled(const QString& dir) {
  AppSeams().settings = [dir] {
    return std::make_unique<QSettings>(dir + QStringLiteral("/settings.ini"), QSettings::IniFormat);
  };
  AppSeams().journalPath = [dir] { return dir + QStringLiteral("/journal.sqlite"); };
  AppSeams().messageBox = [](QWidget*, const QString& text, QMessageBox::Icon,
                             QMessageBox::StandardButtons, QMessageBox::StandardButton) {
    std::fprintf(stderr, "message: %s\n", qUtf8Printable(text));
    return QMessageBox::Ok;
  };
  frmMain* main = ShowNewMainWindow();
  main->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("Kill"));
  main->findChild<QComboBox*>(QStringLiteral("cboSpread"))->setCurrentIndex(0);
  main->cmdCalculate_Click();
  MDI* report = nullptr;
  for (int i = 0; i < 300 && report == nullptr; ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(10);
    report = Loaded<MDI>("MDI");
  }
  if (report == nullptr) return 2;
  QPlainTextEdit* editor = report->ShowNotes()->Editor();
  for (const QChar c : kTyped) {  // a key at a time, quicker than the pause that keeps them
    editor->insertPlainText(QString(c));
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  std::printf("typed\n");
  std::fflush(stdout);
  return QCoreApplication::exec();
}

namespace {

class NotesTest : public UiTest {};

TEST_F(NotesTest, NotesTypedAreKeptShownOnReopeningAndFoundBySearch) {
  MDI* report = DealAutomatic(OpenMainWindow(), 0, QStringLiteral("Ana"));
  ASSERT_NE(report, nullptr);
  auto* action = report->findChild<QAction*>(QStringLiteral("mnuNotes"));
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
  action->trigger();
  NotesWindow* notes = report->Notes();
  ASSERT_NE(notes, nullptr);
  EXPECT_EQ(notes->windowTitle(), QStringLiteral("Notes - Baralune"));
  notes->Editor()->insertPlainText(kTyped);
  notes->close();  // closing keeps what the pause would have kept
  FlushDeletes();
  WaitForJournal();
  auto kept = KeptReadings(AppSeams().journalPath());
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].notes, kTyped);

  // Edited again later, the same reading's notes are replaced, not added as a new reading.
  report->ShowNotes()->Editor()->appendPlainText(QStringLiteral("Sí, en mayo."));
  report->Notes()->KeepNow();
  WaitForJournal();
  kept = KeptReadings(AppSeams().journalPath());
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].notes, kTyped + QStringLiteral("\nSí, en mayo."));
  report->mnuBack_Click();
  FlushDeletes();
  QCoreApplication::processEvents();

  frmMain* main = Loaded<frmMain>("frmMain");
  DealAutomatic(main, 1, QStringLiteral("Bea"))->mnuBack_Click();  // a reading without notes
  FlushDeletes();
  WaitForJournal();
  HistoryWindow* history = ShowHistoryWindow(Loaded<frmMain>("frmMain"));
  EXPECT_EQ(history->Model()->rowCount(), 2);
  EXPECT_EQ(history->Model()->index(0, journal::kHasNotes).data().toString(), QString());
  EXPECT_EQ(history->Model()->index(1, journal::kHasNotes).data().toString(),
            QStringLiteral("Yes"));
  QTest::keyClicks(history->SearchField(), QStringLiteral("cambiare de trabajo"));
  ASSERT_EQ(history->Model()->rowCount(), 1);
  QTest::keyClick(history->Table(), Qt::Key_Return);
  FlushDeletes();
  MDI* again = Loaded<MDI>("MDI");
  ASSERT_NE(again, nullptr);
  ASSERT_NE(again->Notes(), nullptr);  // notes come back with their reading
  EXPECT_TRUE(again->Notes()->isVisible());
  EXPECT_EQ(again->Notes()->Editor()->toPlainText(), kTyped + QStringLiteral("\nSí, en mayo."));
}

// Notes stop at their limit, taking back what was just put in past it (a surrogate pair whole),
// and the window says so; text already there is never cut.
TEST_F(NotesTest, NotesStopAtTheirLimitAndSaySo) {
  MDI* report = DealAutomatic(OpenMainWindow(), 0);
  ASSERT_NE(report, nullptr);
  NotesWindow* notes = report->ShowNotes();
  QPlainTextEdit* editor = notes->Editor();
  const QString full(NotesWindow::kMaxLength - 1, QLatin1Char('a'));
  editor->insertPlainText(full);
  EXPECT_TRUE(notes->LimitLabel()->isHidden());
  editor->moveCursor(QTextCursor::Start);
  editor->insertPlainText(QStringLiteral("xyz"));
  EXPECT_EQ(editor->toPlainText(), QStringLiteral("x") + full);
  EXPECT_FALSE(notes->LimitLabel()->isHidden());
  EXPECT_EQ(report->Details().notes.size(), NotesWindow::kMaxLength);

  editor->textCursor().deletePreviousChar();
  EXPECT_TRUE(notes->LimitLabel()->isHidden());
  editor->insertPlainText(QStringLiteral("\U0001F0CF"));  // two units, one past the limit
  EXPECT_EQ(editor->toPlainText(), full);
}

// Typing is kept as it goes: a second after the last key, killing the program loses nothing.
TEST_F(NotesTest, NotesSurviveAKillNineOneSecondAfterTyping) {
  QProcess typist;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("BARALUNE_NOTES_TYPIST"), desktop.dir.path());
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  typist.setProcessEnvironment(env);
  typist.start(QCoreApplication::applicationFilePath(), {});
  ASSERT_TRUE(typist.waitForStarted(10000));
  QByteArray out;
  while (!out.contains("typed") && typist.waitForReadyRead(60000)) {
    out += typist.readAllStandardOutput();
  }
  ASSERT_TRUE(out.contains("typed")) << typist.readAllStandardError().toStdString();
  QThread::msleep(1000);
  ::kill(static_cast<pid_t>(typist.processId()), SIGKILL);
  ASSERT_TRUE(typist.waitForFinished(10000));

  const QString path = AppSeams().journalPath();
  ASSERT_TRUE(journal::Prepare(path).Writable());
  const auto kept = KeptReadings(path);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].notes, kTyped);
}

}  // namespace
}  // namespace baralune::testing
