// A spread of the reader's own, read through the real windows: it follows the four in Select
// Spread, each way of dealing reads it, the display lays its cards where the reader put them,
// and a reading reopened from the journal after its spread was deleted shows the same report.
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include "card_guide.h"
#include "frmCartomancy.h"
#include "history_window.h"
#include "journal_file.h"
#include "language_choice.h"
#include "notes_window.h"
#include "own_cards_picker.h"
#include "own_spreads.h"
#include "reading.h"
#include "readings.h"
#include "spreads_window.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

class OwnSpreadWindowsTest : public UiTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(journal::Prepare(AppSeams().journalPath()).Writable());
    OwnSpreads::Forget();
    auto spread = std::make_shared<SpreadDefinition>();
    spread->name = "Año nuevo";
    spread->description = {"Two cards for the year."};
    spread->positions = {{"Card 1: the year behind.", {600, 720}},
                         {"Card 2: the year ahead.", {6000, 3000}}};
    ASSERT_EQ(OwnSpreads::Save({spread}), QString());
    OwnSpreads::Forget();  // read back from the file, as at start
  }
  void TearDown() override {
    UiTest::TearDown();
    OwnSpreads::Forget();
  }
  static QString Report(MDI* report) { return QString::fromStdString(report->ReportBox().Text()); }
};

TEST_F(OwnSpreadWindowsTest, AutomaticReadingShowsAndComesBackAfterItsSpreadIsDeleted) {
  frmMain* main = OpenMainWindow();
  auto* spreads = Child<QComboBox>(main, "cboSpread");
  ASSERT_EQ(spreads->count(), kSpreadCount + 1);
  EXPECT_EQ(spreads->itemText(kSpreadCount), QStringLiteral("Año nuevo"));
  MDI* report = DealAutomatic(main, kSpreadCount);
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(Report(report).contains("Año nuevo\nTwo cards for the year.\n"));
  EXPECT_TRUE(Report(report).contains("Position 2: \nCard 2: the year ahead."));
  EXPECT_FALSE(Report(report).contains("Position 3"));
  frmCartomancy* display = report->SpreadDisplayWindow();
  ASSERT_NE(display, nullptr);
  EXPECT_EQ(display->FrontLayout(), kOwnSpread);
  ASSERT_NE(display->CardBox(kOwnSpread, 2), nullptr);
  EXPECT_EQ(display->CardBox(kOwnSpread, 3), nullptr);
  EXPECT_NE(display->CardBox(kOwnSpread, 2)->accessibleDescription(),
            QStringLiteral("Position 2: face down"));
  EXPECT_GT(display->CardBox(kOwnSpread, 2)->x(), display->CardBox(kOwnSpread, 1)->x());
  const std::string rtf = report->ReportBox().TextRTF();
  WaitForJournal();

  ASSERT_EQ(OwnSpreads::Save({}), QString());
  report->mnuBack_Click();
  FlushDeletes();
  HistoryWindow* history = ShowHistoryWindow(nullptr);
  EXPECT_EQ(history->Table()->model()->index(0, 3).data().toString(), QStringLiteral("Año nuevo"));
  QTest::keyClick(history->Table(), Qt::Key_Return);
  FlushDeletes();
  MDI* again = Loaded<MDI>("MDI");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->ReportBox().TextRTF(), rtf);
}

// Its readings have notes, kept with the spread and found by the search, and their cards open
// the guide from the display.
TEST_F(OwnSpreadWindowsTest, ItsReadingsTakeNotesAndOpenTheCardGuide) {
  MDI* report = DealAutomatic(OpenMainWindow(), kSpreadCount);
  ASSERT_NE(report, nullptr);
  QTest::mouseDClick(report->SpreadDisplayWindow()->CardBox(kOwnSpread, 2), Qt::LeftButton);
  auto* guide = Loaded<CardGuide>("CardGuide");
  ASSERT_NE(guide, nullptr);
  EXPECT_EQ(guide->Card(), report->Details().hand[1]);

  report->ShowNotes()->Editor()->insertPlainText(QStringLiteral("Un año de cambios."));
  report->Notes()->KeepNow();
  WaitForJournal();
  journal::Connection connection(AppSeams().journalPath(), true);
  const std::vector<journal::Entry> kept =
      journal::LoadList(connection.Db(), QStringLiteral("cambios"));
  ASSERT_EQ(kept.size(), 1u);
  ASSERT_NE(kept[0].own, nullptr);
  EXPECT_EQ(kept[0].own->name, "Año nuevo");
  EXPECT_EQ(kept[0].notes, QStringLiteral("Un año de cambios."));
}

TEST_F(OwnSpreadWindowsTest, ManualAndOwnCardsAskForAsManyCardsAsItHasPositions) {
  frmManual* manual = OpenManualWindow(kSpreadCount);
  ASSERT_NE(manual, nullptr);
  EXPECT_EQ(Child<QLabel>(manual, "lblPositionMeaning")->text(),
            QStringLiteral("Card 1: the year behind."));
  for (int k : {3, 9}) {
    QTest::mouseClick(manual->picManual(k), Qt::LeftButton, {}, QPoint(20, 20));
  }
  EXPECT_EQ(Loaded<frmManual>("frmManual"), nullptr);  // two picks were all it took
  ASSERT_NE(Loaded<MDI>("MDI"), nullptr);
  EXPECT_TRUE(Report(Loaded<MDI>("MDI")).contains("Card 2: the year ahead."));
  QuitProgram();
  FlushDeletes();

  ApplyLanguage(Language::Spanish);
  frmMain* main = OpenMainWindow();
  Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Rosa"));
  Child<QComboBox>(main, "cboSpread")->setCurrentIndex(kSpreadCount);
  Child<QRadioButton>(main, "optOwnCards")->setChecked(true);
  main->cmdCalculate_Click();
  auto* picker = Loaded<OwnCardsPicker>("OwnCardsPicker");
  ASSERT_NE(picker, nullptr);
  for (int card : {39, 0}) {
    QTest::mouseClick(picker->picFace(card), Qt::LeftButton, {}, QPoint(30, 40));
  }
  EXPECT_TRUE(picker->cmdDeal()->isEnabled());
  QTest::mouseClick(picker->cmdDeal(), Qt::LeftButton);
  MDI* report = Loaded<MDI>("MDI");
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(report->Details().hand, (std::vector<CardIndex>{39, 0}));
  EXPECT_TRUE(Report(report).contains("Posición 1: \nCard 1: the year behind."));
  ApplyLanguage(Language::English);
}

// File > Spreads…: duplicate one of the four, export it, delete it, import it back, and again
// under another name; a hostile file is refused with its reason and changes nothing.
TEST_F(OwnSpreadWindowsTest, SpreadsWindowDuplicatesDeletesImportsAndExports) {
  frmMain* main = OpenMainWindow();
  main->findChild<QAction*>(QStringLiteral("mnuSpreads"))->trigger();
  auto* window = Loaded<SpreadsWindow>("SpreadsWindow");
  ASSERT_NE(window, nullptr);
  auto names = [&] {
    QStringList all;
    for (int row = 0; row < window->List()->count(); ++row)
      all << window->List()->item(row)->text();
    return all.mid(kSpreadCount);
  };
  EXPECT_EQ(names(), QStringList{"Año nuevo"});
  window->List()->setCurrentRow(2);  // the Horseshoe
  EXPECT_FALSE(Child<QPushButton>(window, "cmdDelete")->isEnabled());
  Child<QPushButton>(window, "cmdDuplicate")->click();
  EXPECT_EQ(names(), (QStringList{"Año nuevo", "Horseshoe Spread (copy)"}));
  EXPECT_EQ(OwnSpreads::All().back()->positions.size(), 7u);
  EXPECT_EQ(Child<QComboBox>(main, "cboSpread")->count(), kSpreadCount + 2);

  desktop.saveAnswer = desktop.dir.filePath(QStringLiteral("shoe.baralune-spread"));
  Child<QPushButton>(window, "cmdExport")->click();
  ASSERT_EQ(desktop.saveRequests.size(), 1u);
  EXPECT_EQ(desktop.saveRequests[0].fileName,
            QStringLiteral("Horseshoe Spread (copy).baralune-spread"));
  ASSERT_TRUE(QFile::exists(desktop.saveAnswer));

  desktop.answer = QMessageBox::Yes;
  Child<QPushButton>(window, "cmdDelete")->click();
  EXPECT_EQ(names(), QStringList{"Año nuevo"});
  desktop.openAnswer = desktop.saveAnswer;
  Child<QPushButton>(window, "cmdImport")->click();
  EXPECT_EQ(names(), (QStringList{"Año nuevo", "Horseshoe Spread (copy)"}));
  Child<QPushButton>(window, "cmdImport")->click();  // the name is taken: offered another
  EXPECT_EQ(desktop.messages.back().text,
            QStringLiteral("A spread named Horseshoe Spread (copy) exists already. Import this "
                           "one as Horseshoe Spread (copy) (2)?"));
  EXPECT_EQ(names().size(), 3);

  QFile hostile(desktop.dir.filePath(QStringLiteral("hostile.baralune-spread")));
  ASSERT_TRUE(hostile.open(QIODevice::WriteOnly));
  hostile.write(R"({"format": "baralune-spread", "version": 1, "name": "x", "positions": [
      {"text": "a", "left": 600, "top": 720}, {"text": "b", "left": 700, "top": 720}]})");
  hostile.close();
  desktop.openAnswer = hostile.fileName();
  Child<QPushButton>(window, "cmdImport")->click();
  EXPECT_EQ(desktop.messages.back().text,
            QStringLiteral("Nothing was imported from hostile.baralune-spread: cards 1 and 2 "
                           "overlap"));
  EXPECT_EQ(names().size(), 3);
  OwnSpreads::Forget();
  EXPECT_EQ(OwnSpreads::All().size(), 3u);  // as kept in the file
}

// For the README: BARALUNE_SCREENSHOT names the picture of a reading of a reader's cross and,
// with "-spreads" before its extension, of the Spreads window (kept as spreads-window.png).
TEST_F(OwnSpreadWindowsTest, DISABLED_ScreenshotsOfAReadingAndTheSpreadsWindow) {
  auto cross = std::make_shared<SpreadDefinition>();
  cross->name = "The Crossroads";
  cross->description = {
      "Five cards in a cross: you at the centre, then what is above, below, "
      "behind and ahead of you."};
  cross->positions = {{"Card 1: you, as things stand.", {4717, 2900}},
                      {"Card 2: what is above you.", {4717, 1320}},
                      {"Card 3: what is below you.", {4717, 4480}},
                      {"Card 4: what lies behind.", {3400, 2900}},
                      {"Card 5: what lies ahead.", {6034, 2900}}};
  cross->rowCaptions = {{"THE CROSSROADS", 3400, 900, 3699}};
  ASSERT_EQ(OwnSpreads::Save({OwnSpreads::All()[0], cross}), QString());
  MDI* report = DealAutomatic(OpenMainWindow(), kSpreadCount + 1);
  ASSERT_NE(report, nullptr);
  report->resize(1000, 720);
  QTest::qWait(200);
  const QString path = qEnvironmentVariable("BARALUNE_SCREENSHOT");
  ASSERT_TRUE(report->grab().save(path));
  SpreadsWindow* window = ShowSpreadsWindow(nullptr);
  window->List()->setCurrentRow(kSpreadCount + 1);
  QTest::qWait(200);
  ASSERT_TRUE(window->grab().save(QString(path).replace(".png", "-spreads.png")));
}

}  // namespace
}  // namespace baralune::testing
