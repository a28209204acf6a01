// The History window: which reading is selected, deleting with a clear question, sorting, the
// search's keys and its empty result, a journal that cannot be opened, a History that stays up
// to date and survives a language switch; and the spread display closed before a reading is
// shown again.
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>

#include "frmCartomancy.h"
#include "history_window.h"
#include "journal_file.h"
#include "language_choice.h"
#include "readings.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

class HistoryTest : public UiTest {
 protected:
  void SetUp() override { ASSERT_TRUE(journal::Prepare(AppSeams().journalPath()).Writable()); }
  void TearDown() override {
    UiTest::TearDown();
    ApplyLanguage(Language::English);
  }

  // Keeps a reading dealt `daysAgo` days before now, born on `born`.
  static void Keep(const QString& name, int daysAgo, const QString& born = "1984-03-03") {
    journal::Connection connection(AppSeams().journalPath(), false);
    journal::Entry entry;
    entry.dealt = QDateTime::currentDateTime().addDays(-daysAgo);
    entry.name = name;
    entry.birthDate = born;
    entry.hand = {4, 17, 33};
    ASSERT_EQ(journal::Insert(connection.Db(), entry), QString());
  }

  // The names down the table, as shown.
  static QStringList Names(HistoryWindow* history) {
    QStringList names;
    const QAbstractItemModel* shown = history->Table()->model();
    for (int row = 0; row < shown->rowCount(); ++row)
      names << shown->index(row, 1).data().toString();
    return names;
  }
  static QString Selected(HistoryWindow* history) {
    const QModelIndexList rows = history->Table()->selectionModel()->selectedRows(1);
    return rows.size() == 1 ? rows[0].data().toString() : QStringLiteral("(%1)").arg(rows.size());
  }
};

TEST_F(HistoryTest, SelectionAfterOpeningSearchingAndDeletingIsTheNextReadingDown) {
  for (int i = 0; i < 5; ++i) Keep(QStringLiteral("R%1").arg(i), 10 - i);  // R4 newest
  HistoryWindow* history = ShowHistoryWindow(OpenMainWindow());
  EXPECT_EQ(Names(history), (QStringList{"R4", "R3", "R2", "R1", "R0"}));
  EXPECT_EQ(Selected(history), QStringLiteral("R4"));
  EXPECT_EQ(history->Table()->currentIndex().row(), 0);

  // One reading: named, with its date, Delete and Cancel; cancelled, nothing goes.
  history->Table()->selectRow(1);
  desktop.answer = QMessageBox::Cancel;
  Child<QPushButton>(history, "cmdDelete")->click();
  ASSERT_EQ(desktop.messages.size(), 1u);
  const QString day = QLocale().toString(QDate::currentDate().addDays(-7), "d MMMM yyyy");
  EXPECT_EQ(desktop.messages[0].text,
            QStringLiteral("Delete the reading of R3 from %1? This cannot be undone.").arg(day));
  EXPECT_EQ(desktop.messages[0].action, QStringLiteral("Delete"));
  EXPECT_EQ(history->Model()->rowCount(), 5);

  desktop.answer = QMessageBox::Yes;
  Child<QPushButton>(history, "cmdDelete")->click();
  EXPECT_EQ(Names(history), (QStringList{"R4", "R2", "R1", "R0"}));
  EXPECT_EQ(Selected(history), QStringLiteral("R2"));  // the next one down, not one further

  // Several, in English plurals; the next one down from the last deleted.
  ApplyLanguage(Language::English);
  history->Table()->selectionModel()->select(
      history->Table()->model()->index(0, 0),
      QItemSelectionModel::Select | QItemSelectionModel::Rows);  // R4 and R2
  QTest::keyClick(history->Table(), Qt::Key_Delete);
  EXPECT_EQ(desktop.messages.back().text,
            QStringLiteral("Delete these 2 readings? This cannot be undone."));
  EXPECT_EQ(Names(history), (QStringList{"R1", "R0"}));
  EXPECT_EQ(Selected(history), QStringLiteral("R1"));
  // The last one: the one above is selected.
  history->Table()->selectRow(1);
  QTest::keyClick(history->Table(), Qt::Key_Delete);
  EXPECT_EQ(Selected(history), QStringLiteral("R1"));

  // A search selects its newest; none found is said, with Open and Delete off.
  Keep(QStringLiteral("Ana"), 3);
  Keep(QStringLiteral("Ana María"), 2);
  history->Refresh();
  QTest::keyClicks(history->SearchField(), QStringLiteral("ana"));
  EXPECT_EQ(Selected(history), QStringLiteral("Ana María"));
  auto* noMatch = Child<QLabel>(history, "lblNoMatch");
  EXPECT_FALSE(noMatch->isVisible());
  QTest::keyClicks(history->SearchField(), QStringLiteral("zz"));
  EXPECT_TRUE(noMatch->isVisible());
  EXPECT_EQ(noMatch->text(), QStringLiteral("No readings match"));
  EXPECT_FALSE(Child<QPushButton>(history, "cmdOpen")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(history, "cmdDelete")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(history, "cmdExport")->isEnabled());
}

TEST_F(HistoryTest, ColumnsSortDatesAsDatesAndTheHiddenOnesAreNotInTheTable) {
  Keep(QStringLiteral("A"), 3, QStringLiteral("1984-02-10"));
  Keep(QStringLiteral("c"), 2, QStringLiteral("2001-01-20"));
  Keep(QStringLiteral("b"), 1, QStringLiteral("1990-12-01"));
  HistoryWindow* history = ShowHistoryWindow(OpenMainWindow());
  QTableView* table = history->Table();
  // Only what is shown is there for a screen reader: date, name, birth, spread, mode, notes.
  ASSERT_EQ(table->model()->columnCount(), 6);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  history->Refresh();
  EXPECT_EQ(table->model()->index(0, 2).data().toString(), QStringLiteral("12/1/90"));
  EXPECT_EQ(table->model()->index(0, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("b"));

  auto click = [&](int column) {
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, 5));
  };
  click(2);  // date of birth, as dates (as text, 1/20/01 would come first)
  EXPECT_EQ(Names(history), (QStringList{"A", "b", "c"}));
  click(2);
  EXPECT_EQ(Names(history), (QStringList{"c", "b", "A"}));
  click(1);  // names, case aside
  EXPECT_EQ(Names(history), (QStringList{"A", "b", "c"}));
  click(0);  // the oldest first, then the newest
  EXPECT_EQ(Names(history), (QStringList{"A", "c", "b"}));
  EXPECT_EQ(table->horizontalHeader()->sectionResizeMode(1), QHeaderView::Interactive);

  // Down from the search into the list, Enter there opens the selected reading.
  history->SearchField()->setFocus();
  QTest::keyClick(history->SearchField(), Qt::Key_Down);
  EXPECT_EQ(history->focusWidget(), table);
  EXPECT_EQ(Selected(history), QStringLiteral("b"));  // the newest, wherever it is
  QTest::keyClick(table, Qt::Key_Return);
  FlushDeletes();
  MDI* report = Loaded<MDI>("MDI");
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(report->Details().name, QStringLiteral("b"));
}

TEST_F(HistoryTest, AJournalThatCannotBeOpenedIsExplainedInTheWindow) {
  QFile blocker(desktop.dir.filePath(QStringLiteral("blocked")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  AppSeams().journalPath = [this] {
    return desktop.dir.filePath(QStringLiteral("blocked/j.sqlite"));
  };
  HistoryWindow* history = ShowHistoryWindow(OpenMainWindow());
  auto* trouble = Child<QLabel>(history, "lblTrouble");
  EXPECT_TRUE(trouble->isVisible());
  // The path and the system's reason.
  const QString text = trouble->text();
  EXPECT_TRUE(text.contains(desktop.dir.filePath(QStringLiteral("blocked/j.sqlite"))));
  EXPECT_FALSE(text.section(QStringLiteral("could not be opened: "), 1).isEmpty())
      << text.toStdString();
  EXPECT_FALSE(history->Table()->isVisible());
  for (const char* name : {"cmdOpen", "cmdDelete", "cmdExport"}) {
    EXPECT_FALSE(Child<QPushButton>(history, name)->isEnabled()) << name;
  }
}

TEST_F(HistoryTest, AnOpenHistoryFollowsNewReadingsAndALanguageSwitchKeepingItsSearch) {
  Keep(QStringLiteral("Eva"), 4);
  frmMain* main = OpenMainWindow();
  HistoryWindow* history = ShowHistoryWindow(main);
  // Dealing unloads the main window; the History stays and lists the new reading.
  DealAutomatic(main, 0, QStringLiteral("Eduardo"));
  WaitForJournal();
  QCoreApplication::processEvents();
  history = Loaded<HistoryWindow>("HistoryWindow");
  ASSERT_NE(history, nullptr);
  EXPECT_EQ(Names(history), (QStringList{"Eduardo", "Eva"}));

  QTest::keyClicks(history->SearchField(), QStringLiteral("edu"));
  Loaded<MDI>("MDI")->findChild<QAction*>(QStringLiteral("mnuLanguageEs"))->trigger();
  FlushDeletes();
  history = Loaded<HistoryWindow>("HistoryWindow");
  ASSERT_NE(history, nullptr);
  EXPECT_EQ(history->SearchField()->text(), QStringLiteral("edu"));
  EXPECT_EQ(Names(history), (QStringList{"Eduardo"}));
  EXPECT_EQ(history->Table()->model()->headerData(1, Qt::Horizontal).toString(),
            QStringLiteral("Nombre"));
}

// The spread display's own close box used to free it while the report window kept its
// address: showing a reading again then wrote into freed memory.
TEST_F(HistoryTest, AReadingShownAgainAfterTheSpreadDisplayWasClosedShowsItsCards) {
  MDI* report = DealAutomatic(OpenMainWindow(), 2);
  ASSERT_NE(report, nullptr);
  QMdiSubWindow* frame = report->SpreadDisplayFrame();
  frame->close();
  FlushDeletes();
  WaitForJournal();
  EXPECT_TRUE(frame->isHidden());

  // File > Show Spread brings it back with its cards.
  report->findChild<QAction*>(QStringLiteral("mnuShowSpread"))->trigger();
  EXPECT_FALSE(report->SpreadDisplayFrame()->isHidden());
  EXPECT_FALSE(report->SpreadDisplayWindow()->isHidden());  // the frame's content, not only it
  EXPECT_EQ(report->SpreadDisplayWindow()->FrontLayout(), 2);

  report->SpreadDisplayFrame()->close();
  FlushDeletes();
  HistoryWindow* history = ShowHistoryWindow(report);
  QTest::keyClick(history->Table(), Qt::Key_Return);
  FlushDeletes();
  MDI* again = Loaded<MDI>("MDI");
  ASSERT_NE(again, nullptr);
  ASSERT_NE(again->SpreadDisplayWindow(), nullptr);
  EXPECT_FALSE(again->SpreadDisplayFrame()->isHidden());
  EXPECT_FALSE(again->SpreadDisplayWindow()->isHidden());
  EXPECT_EQ(again->SpreadDisplayWindow()->FrontLayout(), 2);
  EXPECT_NE(again->SpreadDisplayWindow()->CardBox(2, 1)->accessibleDescription(),
            QStringLiteral("Position 1: face down"));
}

// A reading dealt in Spanish comes back from the History in Spanish, its spread's title too;
// File > Language > English shows it in English, although English is already ticked.
TEST_F(HistoryTest, AReadingShownAgainKeepsItsLanguageUntilTheUserPicksOne) {
  ApplyLanguage(Language::Spanish);
  MDI* report = DealAutomatic(OpenMainWindow(), 2);
  ASSERT_NE(report, nullptr);
  report->mnuBack_Click();
  FlushDeletes();
  WaitForJournal();
  ApplyLanguage(Language::English);
  QTest::keyClick(ShowHistoryWindow(nullptr)->Table(), Qt::Key_Return);
  FlushDeletes();
  auto title = [](MDI* shown) {
    return shown->SpreadDisplayWindow()
        ->LayoutPanel(2)
        ->findChild<QLabel*>(QStringLiteral("lblSpreadName"))
        ->text();
  };
  report = Loaded<MDI>("MDI");
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(report->Details().language, Language::Spanish);
  EXPECT_EQ(title(report), QStringLiteral("Tirada de la herradura"));
  EXPECT_TRUE(
      Child<QLabel>(report, "lblReading")->text().startsWith(QStringLiteral("Maria, born ")));

  auto* english = report->findChild<QAction*>(QStringLiteral("mnuLanguageEn"));
  EXPECT_TRUE(english->isChecked());
  english->trigger();
  FlushDeletes();
  report = Loaded<MDI>("MDI");
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(report->Details().language, Language::English);
  EXPECT_EQ(title(report), QStringLiteral("Horseshoe Spread"));
  EXPECT_TRUE(QString::fromStdString(report->ReportBox().TextRTF()).contains("Horseshoe"));
}

}  // namespace
}  // namespace baralune::testing
