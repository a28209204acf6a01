// The reader's own cards: the third Analyze Mode option, the picker of the 40 faces, and the
// reading of exactly the hand picked.
#include <QAccessible>
#include <QLabel>

#include "card_image_list.h"
#include "catalogue.h"
#include "frmManual.h"
#include "frmOwnCards.h"
#include "reading.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

class OwnCardsTest : public UiTest {
 protected:
  frmOwnCards* OpenPicker(int spread) {
    frmMain* main = OpenMainWindow();
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Rosa"));
    Child<QComboBox>(main, "cboSpread")->setCurrentIndex(spread);
    Child<QRadioButton>(main, "optOwnCards")->setChecked(true);
    main->cmdCalculate_Click();
    auto* picker = Loaded<frmOwnCards>("frmOwnCards");
    if (picker != nullptr) {
      EXPECT_TRUE(Activate(picker));
    }
    return picker;
  }

  // Brings the window to the front and gives it the keyboard.
  static bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
  }

  static void Click(frmOwnCards* picker, int card) {
    QTest::mouseClick(picker->picFace(card), Qt::LeftButton, {}, QPoint(30, 40));
  }

  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }

  static QString Meaning(int spread, int position) {
    return QString::fromStdString(PositionMeaning(spread, position));
  }
};

TEST_F(OwnCardsTest, TheOptionComesAfterManualAsOneTabStopWithArrowsBetweenTheThree) {
  frmMain* main = OpenMainWindow();
  ASSERT_TRUE(Activate(main));
  auto* automatic = Child<QRadioButton>(main, "optAuto");
  auto* manual = Child<QRadioButton>(main, "optManual");
  auto* own = Child<QRadioButton>(main, "optOwnCards");
  EXPECT_EQ(own->text(), QStringLiteral("My Own Cards"));
  EXPECT_EQ(own->parentWidget(), manual->parentWidget());
  EXPECT_TRUE(own->parentWidget()->rect().contains(own->geometry()));
  for (QWidget* other : {Child<QWidget>(main, "cboSpread"), static_cast<QWidget*>(automatic),
                         static_cast<QWidget*>(manual)}) {
    EXPECT_FALSE(own->geometry().intersects(other->geometry())) << qPrintable(other->objectName());
  }

  automatic->setFocus(Qt::TabFocusReason);
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdCalculate"));
  automatic->setFocus(Qt::TabFocusReason);
  Press(Qt::Key_Right);
  EXPECT_TRUE(manual->isChecked() && manual->hasFocus());
  Press(Qt::Key_Down);
  EXPECT_TRUE(own->isChecked() && own->hasFocus());
  EXPECT_FALSE(automatic->isChecked() || manual->isChecked());
  Press(Qt::Key_Right);  // round to the first
  EXPECT_TRUE(automatic->isChecked() && automatic->hasFocus());
  Press(Qt::Key_Left);
  EXPECT_TRUE(own->isChecked());
  // The checked option is the group's stop, whichever it is.
  Child<QWidget>(main, "cboSpread")->setFocus(Qt::TabFocusReason);
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), own);
  Press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cboSpread"));
}

TEST_F(OwnCardsTest, DealOpensThePickerWithTheFortyFacesInCardOrder) {
  frmOwnCards* picker = OpenPicker(2);
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(Loaded<frmMain>("frmMain"), nullptr);
  EXPECT_EQ(Loaded<frmManual>("frmManual"), nullptr);
  EXPECT_EQ(picker->windowTitle(), QStringLiteral("Baralune v1.15"));
  EXPECT_TRUE(picker->isVisible());
  // One row per suit, card index order.
  EXPECT_EQ(picker->picFace(9)->y(), picker->picFace(0)->y());
  EXPECT_LT(picker->picFace(0)->x(), picker->picFace(9)->x());
  EXPECT_GT(picker->picFace(10)->y(), picker->picFace(9)->y());
  EXPECT_EQ(picker->picFace(10)->x(), picker->picFace(0)->x());
  EXPECT_EQ(picker->picFace(0)->accessibleName(), QStringLiteral("Ace of Clubs"));
  EXPECT_EQ(picker->picFace(13)->accessibleName(), QStringLiteral("Four of Diamonds"));
  EXPECT_EQ(picker->picFace(39)->accessibleName(), QStringLiteral("Knight of Spades"));
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(picker->picFace(13));
  ASSERT_NE(spoken, nullptr);
  EXPECT_EQ(spoken->role(), QAccessible::Button);
  EXPECT_EQ(spoken->text(QAccessible::Name), QStringLiteral("Four of Diamonds"));
  EXPECT_EQ(picker->lblPositionMeaning()->text(), Meaning(2, 1));
  EXPECT_EQ(picker->picFace(0)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
            CardImageList::Large().Image(1).convertToFormat(QImage::Format_ARGB32));
}

TEST_F(OwnCardsTest, PicksAreGreyedOnceAndBackspaceTakesTheLastBack) {
  frmOwnCards* picker = OpenPicker(1);
  ASSERT_NE(picker, nullptr);
  const QImage fresh = picker->picFace(5)->pixmap().toImage();
  Click(picker, 5);
  Click(picker, 5);  // picked already: no second pick
  Click(picker, 31);
  EXPECT_EQ(picker->Picks(), (std::vector<CardIndex>{5, 31}));
  EXPECT_EQ(picker->lblPositionMeaning()->text(), Meaning(1, 3));
  EXPECT_EQ(picker->picFace(5)->accessibleName(), QStringLiteral("Six of Clubs, picked"));
  const QImage greyed = picker->picFace(5)->pixmap().toImage();
  EXPECT_NE(greyed, fresh);
  const QRgb middle = greyed.pixel(greyed.width() / 2, greyed.height() / 2);
  EXPECT_TRUE(qRed(middle) == qGreen(middle) && qGreen(middle) == qBlue(middle));

  Press(Qt::Key_Backspace);
  EXPECT_EQ(picker->Picks(), (std::vector<CardIndex>{5}));
  EXPECT_EQ(picker->picFace(31)->accessibleName(), QStringLiteral("Two of Spades"));
  EXPECT_EQ(picker->lblPositionMeaning()->text(), Meaning(1, 2));
  Press(Qt::Key_Backspace);
  Press(Qt::Key_Backspace);  // nothing left to take back
  EXPECT_TRUE(picker->Picks().empty());
  EXPECT_EQ(picker->picFace(5)->pixmap().toImage(), fresh);
  EXPECT_EQ(picker->lblPositionMeaning()->text(), Meaning(1, 1));
}

TEST_F(OwnCardsTest, EscAndTheCloseBoxGoBackToAFreshMainWindowWithoutAReading) {
  for (const bool esc : {true, false}) {
    const int ended = desktop.endProcessCalls;
    frmOwnCards* picker = OpenPicker(0);
    ASSERT_NE(picker, nullptr);
    Click(picker, 3);
    if (esc) {
      QTest::keyClick(picker, Qt::Key_Escape);
    } else {
      picker->close();
    }
    EXPECT_EQ(Loaded<frmOwnCards>("frmOwnCards"), nullptr);
    frmMain* main = Loaded<frmMain>("frmMain");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(Child<QLineEdit>(main, "txtName")->text().isEmpty());
    EXPECT_EQ(Loaded<MDI>("MDI"), nullptr);
    EXPECT_EQ(desktop.endProcessCalls, ended);
    QuitProgram();
    FlushDeletes();
  }
}

// The report of a picked hand is the report of the same hand through the draw seam, for every
// spread; the report window keeps it as the reader's own cards.
TEST_F(OwnCardsTest, TheLastPickReadsExactlyThePickedHand) {
  for (SpreadIndex spread = 0; spread < kSpreadCount; ++spread) {
    std::vector<CardIndex> hand;
    for (int k = 0; k < CardCount(spread); ++k)
      hand.push_back(static_cast<CardIndex>(39 - k * 3 % 40));
    frmOwnCards* picker = OpenPicker(spread);
    ASSERT_NE(picker, nullptr);
    for (const CardIndex card : hand) Click(picker, card);
    EXPECT_EQ(Loaded<frmOwnCards>("frmOwnCards"), nullptr) << spread;
    MDI* report = Loaded<MDI>("MDI");
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_EQ(report->Details().mode, ReadingDetails::Mode::OwnCards);
    EXPECT_EQ(report->Details().name, QStringLiteral("Rosa"));
    EXPECT_EQ(report->Details().hand, hand);
    const std::string picked = report->ReportBox().TextRTF();
    QuitProgram();
    FlushDeletes();

    MDI* drawn = LoadedReportWindow();
    std::vector<CardIndex> withSpare = hand;
    withSpare.push_back(0);
    RunReading(spread, drawn->ReadingTarget(), [&](int n) {
      EXPECT_EQ(n, CardCount(spread));
      return withSpare;
    });
    EXPECT_EQ(drawn->ReportBox().TextRTF(), picked) << spread;
    QuitProgram();
    FlushDeletes();
  }
}

TEST_F(OwnCardsTest, TheKeyboardAlonePicksAHand) {
  frmOwnCards* picker = OpenPicker(0);
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(QApplication::focusWidget(), picker->picFace(0));
  Press(Qt::Key_Left);  // the first face: nowhere to go
  Press(Qt::Key_Right);
  Press(Qt::Key_Right);
  Press(Qt::Key_Space);  // 2
  Press(Qt::Key_Down);
  Press(Qt::Key_Down);
  EXPECT_EQ(picker->FocusFace(), 22);
  Press(Qt::Key_Up);
  Press(Qt::Key_Left);  // over 11
  Press(Qt::Key_Right);
  Press(Qt::Key_Right);  // the arrows go over picked faces too
  EXPECT_EQ(QApplication::focusWidget(), picker->picFace(13));
  Press(Qt::Key_Return);  // 13
  Press(Qt::Key_End);
  EXPECT_EQ(picker->FocusFace(), 39);
  Press(Qt::Key_Home);
  EXPECT_EQ(picker->FocusFace(), 0);
  // The faces are one Tab stop, the window's only one: Tab stays on the face it was on.
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), picker->picFace(0));
  EXPECT_EQ(picker->Picks(), (std::vector<CardIndex>{2, 13}));
  Press(Qt::Key_Enter);  // the third and last pick
  EXPECT_EQ(Loaded<frmOwnCards>("frmOwnCards"), nullptr);
  ASSERT_NE(Loaded<MDI>("MDI"), nullptr);
  EXPECT_EQ(Loaded<MDI>("MDI")->Details().hand, (std::vector<CardIndex>{2, 13, 0}));
}

}  // namespace
}  // namespace baralune::testing
