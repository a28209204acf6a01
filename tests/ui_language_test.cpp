// The language: which one Baralune starts in, and File > Language switching the window it is
// chosen in, remembered for the next start.
#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>

#include "card_guide.h"
#include "catalogue.h"
#include "frmCartomancy.h"
#include "history_window.h"
#include "journal_file.h"
#include "language_choice.h"
#include "language_setting.h"
#include "readings.h"
#include "spreads_window.h"
#include "statistics_window.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

class LanguageTest : public UiTest {
 protected:
  void TearDown() override {
    UiTest::TearDown();
    ApplyLanguage(Language::English);  // the other tests read English
  }

  QString StoredSetting() { return AppSeams().settings()->value(kLanguageKey).toString(); }
  static void Choose(QWidget* window, const char* entry) {
    window->findChild<QAction*>(QString::fromLatin1(entry))->trigger();
  }
  static QString ReportText(MDI* report) {
    return QString::fromStdU32String(report->ReportBox().document().chars).simplified();
  }
};

TEST_F(LanguageTest, TheSettingWinsOverTheLocaleWhichGivesSpanishForAnySpanishLocale) {
  const QLocale mexico(QStringLiteral("es_MX"));
  const QLocale france(QStringLiteral("fr_FR"));
  EXPECT_EQ(ChooseLanguage(QString(), mexico), Language::Spanish);
  EXPECT_EQ(ChooseLanguage(QString(), QLocale(QStringLiteral("es_AR"))), Language::Spanish);
  EXPECT_EQ(ChooseLanguage(QString(), france), Language::English);
  EXPECT_EQ(ChooseLanguage(QStringLiteral("en"), mexico), Language::English);
  EXPECT_EQ(ChooseLanguage(QStringLiteral("es"), france), Language::Spanish);
  EXPECT_EQ(ChooseLanguage(QStringLiteral("fr"), mexico), Language::Spanish);  // not a choice
  // English chosen on a French system still names the months in English.
  EXPECT_EQ(LocaleFor(Language::English, france).standaloneMonthName(1), QStringLiteral("January"));
  EXPECT_EQ(LocaleFor(Language::Spanish, mexico), mexico);

  AppSeams().settings()->setValue(kLanguageKey, QStringLiteral("es"));
  EXPECT_EQ(StartingLanguage(), Language::Spanish);
}

TEST_F(LanguageTest, TheMainWindowSwitchesAtOnceKeepingWhatWasEnteredAndTheChoiceIsKept) {
  frmMain* main = OpenMainWindow();
  EXPECT_TRUE(Child<QAction>(main, "mnuLanguageEn")->isChecked());
  EXPECT_EQ(Child<QAction>(main, "mnuLanguageEs")->text(), QStringLiteral("Español"));
  Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Lucía"));
  Child<QComboBox>(main, "cboMonth")->setCurrentIndex(4);
  Child<QComboBox>(main, "cboSpread")->setCurrentIndex(2);
  Child<QRadioButton>(main, "optManual")->setChecked(true);

  Choose(main, "mnuLanguageEs");
  auto* spanish = Loaded<frmMain>("frmMain");
  ASSERT_NE(spanish, nullptr);
  ASSERT_NE(spanish, main);
  EXPECT_EQ(StoredSetting(), QStringLiteral("es"));
  EXPECT_EQ(Child<QGroupBox>(spanish, "Frame1")->title(), QStringLiteral("Datos personales"));
  EXPECT_EQ(Child<QMenu>(spanish, "mnuFile")->title(), QStringLiteral("&Archivo"));
  auto* month = Child<QComboBox>(spanish, "cboMonth");
  EXPECT_EQ(month->itemText(0), QStringLiteral("Enero"));
  EXPECT_EQ(month->currentIndex(), 4);
  EXPECT_EQ(Child<QLineEdit>(spanish, "txtName")->text(), QStringLiteral("Lucía"));
  EXPECT_EQ(Child<QComboBox>(spanish, "cboSpread")->currentIndex(), 2);
  EXPECT_TRUE(Child<QRadioButton>(spanish, "optManual")->isChecked());
  EXPECT_TRUE(Child<QAction>(spanish, "mnuLanguageEs")->isChecked());
  EXPECT_EQ(desktop.endProcessCalls, 0);  // the program went on

  Choose(spanish, "mnuLanguageEn");
  auto* english = Loaded<frmMain>("frmMain");
  EXPECT_EQ(StoredSetting(), QStringLiteral("en"));
  EXPECT_EQ(Child<QComboBox>(english, "cboMonth")->itemText(11), QStringLiteral("December"));
  EXPECT_EQ(Child<QGroupBox>(english, "Frame1")->title(), QStringLiteral("Personal Details"));
}

TEST_F(LanguageTest, TheReportWindowShowsTheSameReadingAgainInTheNewLanguageWithoutKeepingIt) {
  MDI* report = DealAutomatic(OpenMainWindow(), 0);
  ASSERT_NE(report, nullptr);
  const std::vector<CardIndex> hand = report->Details().hand;
  WaitForJournal();

  Choose(report, "mnuLanguageEs");
  auto* spanish = Loaded<MDI>("MDI");
  ASSERT_NE(spanish, nullptr);
  ASSERT_NE(spanish, report);
  EXPECT_TRUE(spanish->isVisible());
  EXPECT_EQ(spanish->Details().hand, hand);
  const QString text = ReportText(spanish);
  EXPECT_TRUE(text.contains(QStringLiteral("Posición 1")));
  for (const CardIndex card : hand) {
    EXPECT_TRUE(text.contains(
        QString::fromStdString(CatalogueIn(ReadingLanguage()).cardName[card]).simplified()));
  }
  EXPECT_EQ(desktop.endProcessCalls, 0);

  WaitForJournal();
  journal::Connection connection(AppSeams().journalPath(), true);
  EXPECT_EQ(journal::LoadList(connection.Db(), {}).size(), 1u);  // kept once, when dealt
}

TEST_F(LanguageTest, TheWindowsOpenBesideComeBackInTheNewLanguageAsTheyWere) {
  frmMain* main = OpenMainWindow();
  ShowCardGuide(main, 7);
  ShowSpreadsWindow(main)->List()->setCurrentRow(2);
  HistoryWindow* history = ShowHistoryWindow(nullptr);
  ASSERT_NE(history->ShowStatistics(), nullptr);

  Choose(main, "mnuLanguageEs");
  QCoreApplication::processEvents();
  auto* guide = Loaded<CardGuide>("CardGuide");
  ASSERT_NE(guide, nullptr);
  EXPECT_EQ(guide->Card(), 7);
  EXPECT_EQ(guide->lblName()->text(),
            QString::fromStdString(CatalogueIn(Language::Spanish).cardName[7]).simplified());
  EXPECT_FALSE(guide->windowTitle().startsWith(QStringLiteral("Card Guide")));
  auto* spreads = Loaded<SpreadsWindow>("SpreadsWindow");
  ASSERT_NE(spreads, nullptr);
  EXPECT_EQ(spreads->List()->currentRow(), 2);
  EXPECT_FALSE(spreads->windowTitle().startsWith(QStringLiteral("Spreads")));
  auto* reopened = Loaded<HistoryWindow>("HistoryWindow");
  ASSERT_NE(reopened, nullptr);
  ASSERT_NE(reopened->Statistics(), nullptr);
  EXPECT_TRUE(reopened->Statistics()->isVisible());
}

}  // namespace
}  // namespace baralune::testing
