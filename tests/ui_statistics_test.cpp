// The History's statistics: the figures of the readings listed, following the search, in the
// table a screen reader reads; the chart in the desktop's colours; Save Chart's PNG.
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "catalogue.h"
#include "history_window.h"
#include "journal_file.h"
#include "language_choice.h"
#include "readings.h"
#include "statistics_window.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

// Readings of Ana and José over two months, the cards chosen so that the counts differ.
std::vector<journal::Entry> Readings() {
  std::vector<journal::Entry> entries;
  for (int i = 0; i < 9; ++i) {
    journal::Entry entry;
    entry.dealt = QDateTime(QDate(2026, 10 + i % 2, 3 + i), QTime(12, 0));
    entry.name = i % 3 == 0 ? QString::fromUtf8("José") : QStringLiteral("Ana");
    entry.birthDate = QStringLiteral("1990-04-01");
    entry.spread = static_cast<SpreadIndex>(i % kSpreadCount);
    for (int p = 0; p < SpreadOf(entry.spread).cards; ++p) {
      entry.hand.push_back(static_cast<CardIndex>((i * 5 + p * 3) % kDeckSize));
    }
    entries.push_back(entry);
  }
  return entries;
}

// The table's figure in `column` for each of its rows, by the row's first cell.
std::map<QString, QString> Column(const QTableWidget* table, int column) {
  std::map<QString, QString> figures;
  for (int row = 0; row < table->rowCount(); ++row) {
    figures[table->item(row, 0)->text()] = table->item(row, column)->text();
  }
  return figures;
}

class StatisticsTest : public UiTest {
 protected:
  void SetUp() override {
    ApplyLanguage(Language::English);  // with its plural forms
    ASSERT_TRUE(journal::Prepare(AppSeams().journalPath()).Writable());
    journal::Connection connection(AppSeams().journalPath(), false);
    ASSERT_EQ(journal::InsertAll(connection.Db(), Readings()), QString());
  }

  StatisticsWindow* Open() {
    HistoryWindow* history = ShowHistoryWindow(OpenMainWindow());
    m_history = history;
    return history->ShowStatistics();
  }

  // Each card's count, as the readings named `name` (all when empty) were inserted.
  static std::map<QString, QString> ExpectedCounts(const QString& name) {
    std::array<int, kDeckSize> counts{};
    for (const journal::Entry& entry : Readings()) {
      if (!name.isEmpty() && entry.name != name) continue;
      for (CardIndex card : entry.hand) ++counts[card];
    }
    std::map<QString, QString> figures;
    for (int card = 0; card < kDeckSize; ++card) {
      figures[QString::fromStdString(CatalogueIn(ReadingLanguage()).cardName[card]).simplified()] =
          QString::number(counts[card]);
    }
    return figures;
  }

  HistoryWindow* m_history = nullptr;
};

TEST_F(StatisticsTest, TheFiguresAreThoseOfTheReadingsListedAndFollowTheSearch) {
  StatisticsWindow* statistics = Open();
  ASSERT_NE(statistics, nullptr);
  const QTableWidget* figures = statistics->Figures();
  EXPECT_EQ(figures->rowCount(), kDeckSize);
  EXPECT_EQ(Column(figures, 1), ExpectedCounts({}));
  // Chance: every position of the nine readings is any of the 40 cards alike.
  int positions = 0;
  for (const journal::Entry& entry : Readings()) positions += static_cast<int>(entry.hand.size());
  EXPECT_EQ(figures->item(0, 2)->text(), QLocale().toString(positions / 40.0, 'f', 1));
  EXPECT_EQ(Child<QLabel>(statistics, "lblSummary")->text(),
            QStringLiteral("9 readings in the journal."));

  QTest::keyClicks(m_history->SearchField(), QStringLiteral("jose"));
  EXPECT_EQ(Column(figures, 1), ExpectedCounts(QString::fromUtf8("José")));
  EXPECT_EQ(statistics->Shown().readings, 3);

  statistics->ChartChoice()->setCurrentIndex(StatisticsWindow::kSuits);
  int cards = 0;
  for (const auto& [suit, count] : Column(figures, 1)) cards += count.toInt();
  EXPECT_EQ(figures->rowCount(), 4);
  EXPECT_EQ(cards, statistics->Shown().CardsDealt());

  m_history->SearchField()->clear();
  statistics->ChartChoice()->setCurrentIndex(StatisticsWindow::kMonths);
  EXPECT_EQ(Column(figures, 1),
            (std::map<QString, QString>{{QStringLiteral("October 2026"), QStringLiteral("5")},
                                        {QStringLiteral("November 2026"), QStringLiteral("4")}}));
}

TEST_F(StatisticsTest, TheChartTakesTheDesktopsDarkColours) {
  StatisticsWindow* statistics = Open();
  QPalette dark = statistics->palette();
  dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x24));
  dark.setColor(QPalette::Base, QColor(0x18, 0x18, 0x1C));
  dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
  statistics->setPalette(dark);
  const QChart* chart = statistics->ChartView()->chart();
  EXPECT_EQ(chart->theme(), QChart::ChartThemeDark);
  EXPECT_EQ(chart->backgroundBrush().color(), dark.color(QPalette::Base));
  EXPECT_EQ(chart->titleBrush().color(), dark.color(QPalette::Text));
}

TEST_F(StatisticsTest, SaveChartWritesThePngOrSaysWhyNot) {
  StatisticsWindow* statistics = Open();
  desktop.saveAnswer = desktop.dir.filePath(QStringLiteral("readings"));
  Child<QPushButton>(statistics, "cmdSaveChart")->click();
  const QImage saved(desktop.dir.filePath(QStringLiteral("readings.png")), "PNG");
  EXPECT_FALSE(saved.isNull());
  EXPECT_EQ(saved.size(), statistics->ChartImage().size());
  EXPECT_TRUE(desktop.messages.empty());

  desktop.saveAnswer = desktop.dir.filePath(QStringLiteral("no such folder/chart.png"));
  Child<QPushButton>(statistics, "cmdSaveChart")->click();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].icon, QMessageBox::Warning);
  EXPECT_FALSE(QFile::exists(desktop.saveAnswer));
}

// Not a check: paints the README's picture of the statistics, when run by name with
// --gtest_also_run_disabled_tests and BARALUNE_SCREENSHOT=<file.png>.
TEST_F(StatisticsTest, DISABLED_ScreenshotOfTheStatistics) {
  journal::Connection connection(AppSeams().journalPath(), false);
  std::vector<journal::Entry> more;
  for (int i = 0; i < 400; ++i) {
    journal::Entry entry = Readings()[i % 9];
    entry.dealt = QDateTime(QDate(2026, 1 + i % 11, 1 + i % 27), QTime(12, 0));
    for (std::size_t p = 0; p < entry.hand.size(); ++p) {
      entry.hand[p] = static_cast<CardIndex>((i * 7 + p * 11 + i / 13) % kDeckSize);
    }
    more.push_back(entry);
  }
  ASSERT_EQ(journal::InsertAll(connection.Db(), more), QString());
  StatisticsWindow* statistics = Open();
  statistics->resize(1200, 640);
  QTest::qWait(200);
  ASSERT_TRUE(statistics->grab().save(qEnvironmentVariable("BARALUNE_SCREENSHOT")));
}

}  // namespace
}  // namespace baralune::testing
