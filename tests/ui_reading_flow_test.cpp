// Automatic readings end to end: Deal builds a report window with the report and the spread
// display; Back comes to a fresh main window; Exit ends the program.
#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTextDocument>

#include "card_image_list.h"
#include "catalogue.h"
#include "frmCartomancy.h"
#include "link_detection.h"
#include "random.h"
#include "reading.h"
#include "report_view.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

using ReadingFlowTest = UiTest;

QImage Shown(const QLabel* box) {
  return box->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}
QImage Face(CardIndex card) {
  return CardImageList::Large().Image(card + 1).convertToFormat(QImage::Format_RGB32);
}

TEST_F(ReadingFlowTest, AutomaticDealShowsTheReportAndTheFacesForEverySpread) {
  for (SpreadIndex spread = 0; spread < kSpreadCount; ++spread) {
    SCOPED_TRACE(spread);
    SharedRandom().Seed(1000 + static_cast<std::uint64_t>(spread));
    frmMain* main = OpenMainWindow();
    QPointer<frmMain> watch = main;
    MDI* report = DealAutomatic(main, spread);
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_EQ(Loaded<frmMain>("frmMain"), nullptr);
    FlushDeletes();
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(CurrentSpreadIndex, spread);

    // The report in RTB is the reading's report.
    const QString text = report->RTB()->document()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Spread Name:")));
    EXPECT_TRUE(text.contains(
        QString::fromUtf8(kSpreads[spread].reportName.data(),
                          static_cast<qsizetype>(kSpreads[spread].reportName.size()))));
    EXPECT_EQ(report->RTB()->ShownDocument().chars, report->ReportBox().document().chars);
    EXPECT_GT(report->ReportBox().Revision(), 0u);

    // Each card box of the spread shows the face of the card drawn for its position.
    frmCartomancy* display = report->SpreadDisplayWindow();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->FrontLayout(), spread);
    const int n = kSpreads[spread].cards;
    ASSERT_EQ(static_cast<int>(Hand.size()), n + 1);
    for (int p = 1; p <= n; ++p) {
      EXPECT_EQ(Shown(display->CardBox(spread, p)), Face(Hand[p - 1])) << "position " << p;
    }
    EXPECT_EQ(display->CardBox(spread, n + 1), nullptr);
    // The display takes the panel's height.
    EXPECT_EQ(display->parentWidget()->height(), 600);

    report->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
    QuitProgram();
    FlushDeletes();
  }
}

TEST_F(ReadingFlowTest, BackGivesAFreshMainWindowAndANewDealANewReportWindow) {
  frmMain* main = OpenMainWindow();
  MDI* first = DealAutomatic(main, 3);
  ASSERT_NE(first, nullptr);
  QPointer<MDI> firstWatch = first;
  EXPECT_TRUE(LinkDetectionInstalled());

  QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("cmdBack")), Qt::LeftButton);
  EXPECT_FALSE(LinkDetectionInstalled());
  EXPECT_EQ(desktop.endProcessCalls, 0);
  frmMain* again = Loaded<frmMain>("frmMain");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Loaded<MDI>("MDI"), nullptr);
  FlushDeletes();
  EXPECT_TRUE(firstWatch.isNull());

  // Defaults again: no name, January 1 1900, no spread, Automatic, the welcome text.
  EXPECT_TRUE(Child<QLineEdit>(again, "txtName")->text().isEmpty());
  EXPECT_EQ(Child<QComboBox>(again, "cboMonth")->currentIndex(), 0);
  EXPECT_EQ(Child<QComboBox>(again, "cboYear")->currentText(), QStringLiteral("1900"));
  EXPECT_EQ(Child<QComboBox>(again, "cboSpread")->currentIndex(), -1);
  EXPECT_EQ(Child<QLabel>(again, "lblSpreadDesc")->text(), WelcomeText());
  // After Back the layout order stands: the full-brand label in front.
  const QObjectList& siblings = again->lblCobrand()->parentWidget()->children();
  EXPECT_GT(siblings.indexOf(again->lblFullBrand()), siblings.indexOf(again->lblCobrand()));

  // A 21-card reading, Back, then a 3-card reading: the 3-card layout with its cards.
  MDI* second = DealAutomatic(again, 0);
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(LinkDetectionInstalled());
  frmCartomancy* display = second->SpreadDisplayWindow();
  EXPECT_EQ(display->FrontLayout(), 0);
  for (int p = 1; p <= 3; ++p) EXPECT_EQ(Shown(display->CardBox(0, p)), Face(Hand[p - 1]));
  // The other layouts of the new window still show card backs.
  EXPECT_NE(Shown(display->CardBox(3, 1)), Face(Hand[0]));
}

TEST_F(ReadingFlowTest, ExitAndTheCloseBoxOfTheReportWindowEndTheProgram) {
  MDI* report = DealAutomatic(OpenMainWindow(), 2);
  ASSERT_NE(report, nullptr);
  QTest::mouseClick(report->findChild<QPushButton*>(QStringLiteral("cmdExit")), Qt::LeftButton);
  EXPECT_EQ(desktop.endProcessCalls, 1);
  EXPECT_EQ(Loaded<MDI>("MDI"), nullptr);
  EXPECT_FALSE(LinkDetectionInstalled());

  MDI* another = DealAutomatic(OpenMainWindow(), 1);
  ASSERT_NE(another, nullptr);
  another->close();
  EXPECT_EQ(desktop.endProcessCalls, 2);
  EXPECT_EQ(Loaded<frmMain>("frmMain"), nullptr);
}

TEST_F(ReadingFlowTest, SpreadDisplayStartsWithCardBacksAndNumbers) {
  frmCartomancy display;
  EXPECT_EQ(display.windowTitle(), QStringLiteral("Baralune v1.05"));
  const QImage back = display.CardBox(0, 1)->pixmap().toImage();
  const int cards[] = {3, 9, 7, 21};
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    for (int p = 1; p <= cards[s]; ++p) {
      QLabel* box = display.CardBox(s, p);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->size(), QSize(71, 96));
      EXPECT_EQ(box->pixmap().toImage(), back);
      auto* number = box->findChild<QLabel*>(QStringLiteral("lblCardPosition"));
      ASSERT_NE(number, nullptr);
      EXPECT_EQ(number->text(), QString::number(p));
      // Two-digit numbers get a label wide enough for them.
      EXPECT_EQ(number->width(), p >= 10 ? 28 : 14);
    }
  }
  EXPECT_EQ(display.CardBox(2, 4)->pos(), QPoint(335, 368));  // horseshoe, bottom centre
  EXPECT_EQ(display.CardBox(3, 21)->pos(), QPoint(571, 362));
  QStringList rows;
  for (auto* label : display.LayoutPanel(3)->findChildren<QLabel*>(QStringLiteral("lblRomany")))
    rows << label->text();
  EXPECT_EQ(rows, (QStringList{"PAST", "PRESENT", "FUTURE"}));

  // The bottom label of any layout opens the home page.
  auto* bottom = display.LayoutPanel(1)->findChild<QLabel*>(QStringLiteral("lblCaptionBottom"));
  ASSERT_NE(bottom, nullptr);
  QTest::mouseClick(bottom, Qt::LeftButton, {}, QPoint(10, 5));
  ASSERT_EQ(desktop.opened.size(), 1u);
  EXPECT_TRUE(desktop.opened[0].endsWith(QStringLiteral("?page=home-page")));
}

}  // namespace
}  // namespace baralune::testing
