// The windows without a mouse: a whole manual reading from the keyboard, the link labels
// reached with Tab and followed with Enter or Space, and the focus drawn where it is.
#include <QKeyEvent>
#include <QLabel>

#include "clickable_label.h"
#include "frmAbout.h"
#include "frmCartomancy.h"
#include "frmManual.h"
#include "reading.h"
#include "report_view.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

const QString kPage = QStringLiteral("https://www.kelvane.example/baralune/ssd.php?page=");

class KeyboardTest : public UiTest {
 protected:
  // Brings the window to the front and gives it the keyboard.
  static bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
  }

  static void Press(int key) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
  }

  // Tabs through the window until `target` has the focus; false if a round never reaches it.
  static bool TabTo(QWidget* target) {
    for (int k = 0; k < 100; ++k) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      if (QApplication::focusWidget() == target) return true;
    }
    return false;
  }

  frmManual* ActiveManualWindow(int spread) {
    frmManual* manual = OpenManualWindow(spread);
    EXPECT_TRUE(manual != nullptr && Activate(manual));
    return manual;
  }

  static int Focused(const frmManual* manual) {
    const auto* card = qobject_cast<const ClickableLabel*>(QApplication::focusWidget());
    return card != nullptr && card->window() == manual ? card->Index() : -1;
  }

  // The page keys opened since `before`.
  QStringList PagesSince(std::size_t before) const {
    QStringList pages;
    for (std::size_t i = before; i < desktop.opened.size(); ++i) {
      pages << QString(desktop.opened[i]).remove(kPage);
    }
    return pages;
  }
};

TEST_F(KeyboardTest, AWholeManualReadingWithoutTheMouse) {
  frmManual* manual = ActiveManualWindow(0);
  ASSERT_NE(manual, nullptr);
  // The tray is one stop of the Tab round, after the links at the top.
  EXPECT_EQ(Focused(manual), 0);
  QWidget* topLink = Child<QWidget>(manual, "Label3");
  ASSERT_TRUE(TabTo(topLink));
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(manual), 0);
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(manual, "Label1"));
  Press(Qt::Key_Backtab);
  EXPECT_EQ(Focused(manual), 0);

  // The arrows walk the 13 x 4 grid; Space picks, and the focus moves on to the next card.
  Press(Qt::Key_Right);
  EXPECT_EQ(Focused(manual), 1);
  Press(Qt::Key_Down);
  EXPECT_EQ(Focused(manual), 14);
  Press(Qt::Key_Space);
  EXPECT_EQ(manual->PickCount(), 1);
  EXPECT_FALSE(manual->picManual(14)->isVisible());
  EXPECT_EQ(Focused(manual), 15);
  // Picked cards are skipped, across and down.
  Press(Qt::Key_Left);
  EXPECT_EQ(Focused(manual), 13);
  Press(Qt::Key_Up);
  Press(Qt::Key_Right);
  EXPECT_EQ(Focused(manual), 1);
  Press(Qt::Key_Down);
  EXPECT_EQ(Focused(manual), 13);  // the nearest card left in the row below, leftmost first
  // Tab leaves the tray and comes back to the card it left.
  Press(Qt::Key_Tab);
  Press(Qt::Key_Backtab);
  EXPECT_EQ(Focused(manual), 13);

  // A held key picks one card only.
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(manual->picManual(13), &repeat);
  EXPECT_EQ(manual->PickCount(), 1);
  Press(Qt::Key_Return);
  EXPECT_EQ(manual->PickCount(), 2);
  Press(Qt::Key_End);
  EXPECT_EQ(Focused(manual), 51);
  Press(Qt::Key_Right);  // nothing further: the focus stays
  EXPECT_EQ(Focused(manual), 51);
  Press(Qt::Key_Enter);

  // The third pick deals the reading, as a click would.
  EXPECT_EQ(Loaded<frmManual>("frmManual"), nullptr);
  MDI* report = Loaded<MDI>("MDI");
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(report->isVisible());
  EXPECT_EQ(Hand.size(), 4u);
  EXPECT_EQ(desktop.pauses, std::vector<int>{2000});
}

TEST_F(KeyboardTest, TheFocusFrameShowsOnceTheKeyboardIsUsed) {
  frmManual* manual = ActiveManualWindow(3);
  ASSERT_NE(manual, nullptr);
  ClickableLabel* first = manual->picManual(0);
  ASSERT_TRUE(first->hasFocus());
  const QRgb frame = qRgb(0xFF, 0xFF, 0x00);
  auto corner = [](QWidget* card) { return card->grab().toImage().pixel(1, 1); };
  // Opening the window (for mouse users as well) draws no frame; the keyboard brings it.
  EXPECT_NE(corner(first), frame);
  Press(Qt::Key_Right);
  EXPECT_EQ(corner(manual->picManual(1)), frame);
  EXPECT_NE(corner(first), frame);

  // Clicking the focused card away hands the focus on to its neighbour; clicking another card
  // leaves the focus where it is.
  QTest::mouseClick(manual->picManual(1), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(manual->TrayFocusCard(), 2);
  QTest::mouseClick(manual->picManual(30), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(manual->TrayFocusCard(), 2);
  EXPECT_EQ(Focused(manual), 2);
}

TEST_F(KeyboardTest, AClickHidesTheFocusFrameUntilTheKeyboardIsUsedAgain) {
  frmManual* manual = ActiveManualWindow(3);
  ASSERT_NE(manual, nullptr);
  auto framed = [manual](int card) {
    return manual->picManual(card)->grab().toImage().pixel(1, 1) == qRgb(0xFF, 0xFF, 0x00);
  };
  auto click = [manual](int card) {
    QTest::mouseClick(manual->picManual(card), Qt::LeftButton, {}, QPoint(20, 20));
  };
  // Clicking the focused card hands the focus on to its neighbour, without a frame, whether or
  // not the keyboard had brought one.
  click(0);
  ASSERT_EQ(Focused(manual), 1);
  EXPECT_FALSE(framed(1));
  Press(Qt::Key_Right);
  ASSERT_TRUE(framed(2));
  click(2);
  ASSERT_EQ(Focused(manual), 3);
  EXPECT_FALSE(framed(3));
  // A click on another card takes the frame off the focused one; the next key brings it back.
  Press(Qt::Key_Home);
  ASSERT_TRUE(framed(1));
  click(30);
  ASSERT_EQ(Focused(manual), 1);
  EXPECT_FALSE(framed(1));
  Press(Qt::Key_Tab);
  Press(Qt::Key_Backtab);
  EXPECT_TRUE(framed(1));
}

TEST_F(KeyboardTest, LinkLabelsAreReachedWithTabAndFollowedWithEnterOrSpace) {
  frmMain* main = OpenMainWindow();
  ASSERT_TRUE(Activate(main));
  // The advertisement hidden behind the other is left out of the Tab round.
  EXPECT_FALSE(TabTo(main->lblCobrand()));
  EXPECT_TRUE(TabTo(main->lblFullBrand()));
  main->lblCobrand()->raise();  // their turns change at start-up
  EXPECT_FALSE(TabTo(main->lblFullBrand()));
  ASSERT_TRUE(TabTo(main->lblCobrand()));
  std::size_t before = desktop.opened.size();
  Press(Qt::Key_Return);
  ASSERT_TRUE(TabTo(Child<QWidget>(main, "Label14")));
  Press(Qt::Key_Space);
  EXPECT_EQ(PagesSince(before),
            (QStringList{QStringLiteral("co-brand"), QStringLiteral("home-page")}));

  auto* about = new frmAbout(main);
  about->setAttribute(Qt::WA_DeleteOnClose);
  about->show();
  ASSERT_TRUE(Activate(about));
  before = desktop.opened.size();
  ASSERT_TRUE(TabTo(Child<QWidget>(about, "lblCoBrand")));
  Press(Qt::Key_Enter);
  EXPECT_EQ(PagesSince(before), QStringList{QStringLiteral("fully-branded")});
  about->close();

  // In the report window, only the link of the layout in front is in the round.
  MDI* report = DealAutomatic(main, 1);
  ASSERT_NE(report, nullptr);
  ASSERT_TRUE(Activate(report));
  EXPECT_EQ(QApplication::focusWidget(), report->RTB());  // the keyboard starts in the report
  frmCartomancy* display = report->SpreadDisplayWindow();
  for (SpreadIndex s : {0, 2, 3}) {
    EXPECT_FALSE(TabTo(display->LayoutPanel(s)->findChild<ClickableLabel*>())) << s;
  }
  // Tab goes in and out of the spread display's frame like any other stop.
  ASSERT_TRUE(TabTo(display->LayoutPanel(1)->findChild<ClickableLabel*>()));
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), report->RTB());
  Press(Qt::Key_Backtab);
  before = desktop.opened.size();
  Press(Qt::Key_Space);
  ASSERT_TRUE(TabTo(Child<QWidget>(report, "lblFullBrand")));
  Press(Qt::Key_Return);
  EXPECT_EQ(PagesSince(before),
            (QStringList{QStringLiteral("home-page"), QStringLiteral("fully-branded")}));
}

}  // namespace
}  // namespace baralune::testing
