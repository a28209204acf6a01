// The reader's own cards: the third Analyze Mode option, the picker of the 40 faces, and the
// reading of exactly the hand picked.
#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "card_image_list.h"
#include "catalogue.h"
#include "frmManual.h"
#include "language_choice.h"
#include "own_cards_picker.h"
#include "reading.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

class OwnCardsTest : public UiTest {
 protected:
  OwnCardsPicker* OpenPicker(int spread) {
    frmMain* main = OpenMainWindow();
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Rosa"));
    Child<QComboBox>(main, "cboMonth")->setCurrentIndex(2);
    Child<QComboBox>(main, "cboDate")->setCurrentIndex(2);
    Child<QComboBox>(main, "cboYear")->setCurrentText(QStringLiteral("1984"));
    Child<QComboBox>(main, "cboSpread")->setCurrentIndex(spread);
    Child<QRadioButton>(main, "optOwnCards")->setChecked(true);
    main->cmdCalculate_Click();
    auto* picker = Loaded<OwnCardsPicker>("OwnCardsPicker");
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

  static void Click(OwnCardsPicker* picker, int card) {
    QTest::mouseClick(picker->picFace(card), Qt::LeftButton, {}, QPoint(30, 40));
  }

  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }

  static QString Meaning(int spread, int position) {
    return QString::fromStdString(PositionMeaning(spread, position, ReadingLanguage()));
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
  // Its own row under Automatic, aligned with it.
  EXPECT_EQ(own->x(), automatic->x());
  EXPECT_GT(own->y(), automatic->geometry().bottom());
  EXPECT_EQ(own->height(), automatic->height());

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

TEST_F(OwnCardsTest, DealOpensThePickerWithTheFacesInTheDecksOrderBySuit) {
  OwnCardsPicker* picker = OpenPicker(2);
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(Loaded<frmMain>("frmMain"), nullptr);
  EXPECT_EQ(Loaded<frmManual>("frmManual"), nullptr);
  EXPECT_EQ(picker->windowTitle(), QStringLiteral("Baralune v1.15"));
  EXPECT_TRUE(picker->isVisible());
  EXPECT_LE(picker->width(), 790);  // on a screen 800 pixels wide, with the window's frame
  // Rows Oros, Copas, Espadas, Bastos; in each 1-7, Sota, Caballo, Rey.
  const int sota = 17, caballo = 19, rey = 18;  // of Oros (Diamonds)
  EXPECT_EQ(picker->picFace(10)->y(), picker->picFace(rey)->y());
  EXPECT_LT(picker->picFace(16)->x(), picker->picFace(sota)->x());
  EXPECT_LT(picker->picFace(sota)->x(), picker->picFace(caballo)->x());
  EXPECT_LT(picker->picFace(caballo)->x(), picker->picFace(rey)->x());
  const int rowFirsts[] = {10, 20, 30, 0};
  const auto captions = picker->findChildren<QWidget*>(QStringLiteral("lblSuit"));
  ASSERT_EQ(captions.size(), 4);
  const QStringList suits = {QStringLiteral("Diamonds (Oros)"), QStringLiteral("Hearts (Copas)"),
                             QStringLiteral("Spades (Espadas)"), QStringLiteral("Clubs (Bastos)")};
  for (int row = 0; row < 4; ++row) {
    ClickableLabel* first = picker->picFace(rowFirsts[row]);
    EXPECT_EQ(first->x(), picker->picFace(10)->x()) << row;
    if (row > 0) {
      EXPECT_GT(first->y(), picker->picFace(rowFirsts[row - 1])->y()) << row;
    }
    const QWidget* caption = captions[row];
    EXPECT_EQ(caption->accessibleName(), suits[row]);
    // Written upwards, whole.
    EXPECT_LE(caption->fontMetrics().horizontalAdvance(suits[row]), caption->height());
    EXPECT_LE(caption->fontMetrics().height(), caption->width());
    EXPECT_EQ(caption->y() + caption->height() / 2, first->y() + first->height() / 2);
    EXPECT_LT(caption->geometry().right(), first->x());
  }
  // Spoken as the report names the card, so the name never contradicts the face.
  EXPECT_EQ(picker->picFace(0)->accessibleName(), QStringLiteral("Ace of Clubs (Ace)"));
  EXPECT_EQ(picker->picFace(8)->accessibleName(), QStringLiteral("Queen of Clubs (Rey)"));
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(picker->picFace(39));
  ASSERT_NE(spoken, nullptr);
  EXPECT_EQ(spoken->role(), QAccessible::Button);
  EXPECT_EQ(spoken->text(QAccessible::Name), QStringLiteral("Knight of Spades (Caballo)"));
  EXPECT_EQ(picker->lblPositionMeaning()->text(), Meaning(2, 1));
  EXPECT_EQ(picker->lblPositionNumber()->text(), QStringLiteral("Card 1 of 7"));
  EXPECT_EQ(picker->picFace(0)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
            CardImageList::Large().Image(1).convertToFormat(QImage::Format_ARGB32));
}

TEST_F(OwnCardsTest, PicksAreGreyedAndNumberedOnceAndUndoTakesTheLastBack) {
  OwnCardsPicker* picker = OpenPicker(1);
  ASSERT_NE(picker, nullptr);
  EXPECT_FALSE(picker->mnuUndo()->isEnabled());
  EXPECT_EQ(picker->mnuUndo()->shortcut(), QKeySequence(Qt::Key_Backspace));
  EXPECT_TRUE(Child<QMenu>(picker, "mnuFile")->actions().contains(picker->mnuUndo()));
  const QImage fresh = picker->picFace(5)->pixmap().toImage();
  Click(picker, 5);
  Click(picker, 5);  // picked already: no second pick
  Click(picker, 31);
  EXPECT_EQ(picker->Picks(), (std::vector<CardIndex>{5, 31}));
  EXPECT_EQ(picker->lblPositionMeaning()->text(), Meaning(1, 3));
  EXPECT_EQ(picker->lblPositionNumber()->text(), QStringLiteral("Card 3 of 9"));
  EXPECT_EQ(picker->picFace(5)->accessibleName(),
            QStringLiteral("Six of Clubs (Seis), picked for position 1"));
  EXPECT_EQ(picker->picFace(31)->accessibleName(),
            QStringLiteral("Two of Spades (Dos), picked for position 2"));
  // Grey, with the position in a purple disc in the middle.
  const QImage greyed = picker->picFace(5)->pixmap().toImage();
  const QRgb corner = greyed.pixel(greyed.width() / 4, greyed.height() / 6);
  EXPECT_EQ(qRed(corner), qGreen(corner));
  EXPECT_EQ(qGreen(corner), qBlue(corner));
  EXPECT_NE(greyed, picker->picFace(31)->pixmap().toImage());  // another number
  const QColor disc = greyed.pixelColor(greyed.width() / 2 - 12, greyed.height() / 2);
  EXPECT_GT(disc.blue(), disc.green() + 100);

  EXPECT_TRUE(picker->mnuUndo()->isEnabled());
  Press(Qt::Key_Backspace);
  EXPECT_EQ(picker->Picks(), (std::vector<CardIndex>{5}));
  EXPECT_EQ(picker->picFace(31)->accessibleName(), QStringLiteral("Two of Spades (Dos)"));
  EXPECT_EQ(picker->lblPositionMeaning()->text(), Meaning(1, 2));
  picker->mnuUndo()->trigger();
  Press(Qt::Key_Backspace);  // nothing left to take back
  EXPECT_TRUE(picker->Picks().empty());
  EXPECT_FALSE(picker->mnuUndo()->isEnabled());
  EXPECT_EQ(picker->picFace(5)->pixmap().toImage(), fresh);
  EXPECT_EQ(picker->lblPositionMeaning()->text(), Meaning(1, 1));
}

// The last pick fills the hand without dealing: a wrong last click can be taken back. Deal, or
// Enter from anywhere in the window, deals then.
TEST_F(OwnCardsTest, DealIsTheDefaultOnceEveryPositionIsFilled) {
  OwnCardsPicker* picker = OpenPicker(0);
  ASSERT_NE(picker, nullptr);
  QPushButton* deal = picker->cmdDeal();
  EXPECT_FALSE(deal->isEnabled());
  EXPECT_TRUE(deal->isDefault());
  Press(Qt::Key_Return);  // a pick, not a deal
  Click(picker, 7);
  EXPECT_FALSE(deal->isEnabled());
  Click(picker, 12);  // the last position
  EXPECT_EQ(Loaded<OwnCardsPicker>("OwnCardsPicker"), picker);
  EXPECT_TRUE(deal->isEnabled());
  Click(picker, 30);  // every position is filled: no pick
  EXPECT_EQ(picker->picFace(12)->accessibleName(),
            QStringLiteral("Three of Diamonds (Tres), picked for position 3"));
  Press(Qt::Key_Backspace);
  EXPECT_FALSE(deal->isEnabled());
  Click(picker, 13);
  ASSERT_TRUE(deal->isEnabled());
  Press(Qt::Key_Enter);
  EXPECT_EQ(Loaded<OwnCardsPicker>("OwnCardsPicker"), nullptr);
  ASSERT_NE(Loaded<MDI>("MDI"), nullptr);
  EXPECT_EQ(Loaded<MDI>("MDI")->Details().hand, (std::vector<CardIndex>{10, 7, 13}));
}

// In Spanish the suits and the cards are named as the Spanish report names them; in each
// language the Deal button's access key is none of the menus' (File, Help, Donate).
TEST_F(OwnCardsTest, SpanishNamesAndAccessKeysThatClashWithNoMenu) {
  for (const Language language : {Language::English, Language::Spanish}) {
    ApplyLanguage(language);
    OwnCardsPicker* picker = OpenPicker(0);
    ASSERT_NE(picker, nullptr);
    const auto key = [](const QString& text) {
      const qsizetype at = text.indexOf(QLatin1Char('&'));
      return at < 0 ? QChar() : text.at(at + 1).toLower();
    };
    const QChar deal = key(picker->cmdDeal()->text());
    EXPECT_FALSE(deal.isNull());
    for (QAction* menu : picker->menuBar()->actions()) {
      EXPECT_NE(key(menu->text()), deal) << qPrintable(menu->text());
    }
    if (language == Language::Spanish) {
      EXPECT_EQ(picker->picFace(8)->accessibleName(), QStringLiteral("Rey de Bastos"));
      EXPECT_EQ(
          picker->findChildren<QWidget*>(QStringLiteral("lblSuit")).value(3)->accessibleName(),
          QStringLiteral("Bastos"));
      EXPECT_EQ(picker->lblPositionNumber()->text(), QStringLiteral("Carta 1 de 3"));
    }
    QuitProgram();
    FlushDeletes();
  }
  ApplyLanguage(Language::English);
}

// Going back keeps the form as it was; after a pick, only once the reader agrees to discard the
// picks, Cancel being the default.
TEST_F(OwnCardsTest, GoingBackAsksBeforeDiscardingPicksAndKeepsTheForm) {
  enum class Way { Esc, Back, CloseBox };
  for (const Way way : {Way::Esc, Way::Back, Way::CloseBox}) {
    for (const int picks : {0, 1, 2}) {
      const auto leave = [way](OwnCardsPicker* picker) {
        if (way == Way::Esc) QTest::keyClick(picker, Qt::Key_Escape);
        if (way == Way::Back) picker->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
        if (way == Way::CloseBox) picker->close();
      };
      const int ended = desktop.endProcessCalls;
      desktop.messages.clear();
      OwnCardsPicker* picker = OpenPicker(1);
      ASSERT_NE(picker, nullptr);
      for (int k = 0; k < picks; ++k) Click(picker, 3 + k);
      if (picks > 0) {
        desktop.answer = QMessageBox::Cancel;
        leave(picker);
        ASSERT_EQ(desktop.messages.size(), 1U);
        const Message& asked = desktop.messages.front();
        EXPECT_EQ(asked.text, picks == 1 ? QStringLiteral("Discard the card picked?")
                                         : QStringLiteral("Discard the 2 cards picked?"));
        EXPECT_EQ(asked.buttons, QMessageBox::Discard | QMessageBox::Cancel);
        EXPECT_EQ(asked.defaultButton, QMessageBox::Cancel);
        EXPECT_EQ(Loaded<OwnCardsPicker>("OwnCardsPicker"), picker);
        EXPECT_EQ(picker->Picks().size(), static_cast<std::size_t>(picks));
        EXPECT_EQ(Loaded<frmMain>("frmMain"), nullptr);
        desktop.answer = QMessageBox::Discard;
      }
      leave(picker);
      EXPECT_EQ(desktop.messages.size(), picks > 0 ? 2U : 0U);
      EXPECT_EQ(Loaded<OwnCardsPicker>("OwnCardsPicker"), nullptr);
      frmMain* main = Loaded<frmMain>("frmMain");
      ASSERT_NE(main, nullptr);
      EXPECT_EQ(Child<QLineEdit>(main, "txtName")->text(), QStringLiteral("Rosa"));
      EXPECT_EQ(main->EnteredDetails().birthDate, QStringLiteral("1984-03-03"));
      EXPECT_EQ(Child<QComboBox>(main, "cboSpread")->currentIndex(), 1);
      EXPECT_TRUE(Child<QRadioButton>(main, "optOwnCards")->isChecked());
      EXPECT_EQ(Loaded<MDI>("MDI"), nullptr);
      EXPECT_EQ(desktop.endProcessCalls, ended);
      desktop.answer = QMessageBox::Ok;
      QuitProgram();
      FlushDeletes();
    }
  }
}

// The report of a picked hand is the report of the same hand through the draw seam, for every
// spread; the report window keeps it as the reader's own cards.
TEST_F(OwnCardsTest, TheLastPickReadsExactlyThePickedHand) {
  for (SpreadIndex spread = 0; spread < kSpreadCount; ++spread) {
    std::vector<CardIndex> hand;
    for (int k = 0; k < SpreadOf(spread).cards; ++k)
      hand.push_back(static_cast<CardIndex>(39 - k * 3 % 40));
    OwnCardsPicker* picker = OpenPicker(spread);
    ASSERT_NE(picker, nullptr);
    for (const CardIndex card : hand) Click(picker, card);
    QTest::mouseClick(picker->cmdDeal(), Qt::LeftButton);
    EXPECT_EQ(Loaded<OwnCardsPicker>("OwnCardsPicker"), nullptr) << spread;
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
      EXPECT_EQ(n, SpreadOf(spread).cards);
      return withSpare;
    });
    EXPECT_EQ(drawn->ReportBox().TextRTF(), picked) << spread;
    QuitProgram();
    FlushDeletes();
  }
}

// Whether `face` shows the tray's yellow focus frame.
bool ShowsFocusFrame(QWidget* face) {
  const QImage image = face->grab().toImage();
  return image.pixelColor(1, image.height() / 2) == QColor(0xFF, 0xFF, 0x00);
}

TEST_F(OwnCardsTest, OpenedFromTheKeyboardTheFirstFaceShowsTheFocusFrame) {
  for (const bool keyboard : {true, false}) {
    frmMain* main = OpenMainWindow();
    ASSERT_TRUE(Activate(main));
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Rosa"));
    Child<QComboBox>(main, "cboSpread")->setCurrentIndex(0);
    Child<QRadioButton>(main, "optOwnCards")->setChecked(true);
    auto* deal = Child<QPushButton>(main, "cmdCalculate");
    if (keyboard) {
      deal->setFocus(Qt::TabFocusReason);
      Press(Qt::Key_Return);  // pressed for a moment, as a click
    } else {
      QTest::mouseClick(deal, Qt::LeftButton);
    }
    EXPECT_TRUE(
        QTest::qWaitFor([] { return Loaded<OwnCardsPicker>("OwnCardsPicker") != nullptr; }));
    auto* picker = Loaded<OwnCardsPicker>("OwnCardsPicker");
    ASSERT_NE(picker, nullptr);
    ASSERT_TRUE(Activate(picker));
    EXPECT_EQ(QApplication::focusWidget(), picker->picFace(10));  // the As de Oros
    EXPECT_EQ(ShowsFocusFrame(picker->picFace(10)), keyboard);
    QuitProgram();
    FlushDeletes();
  }
}

TEST_F(OwnCardsTest, TheKeyboardAlonePicksAndDealsAHand) {
  OwnCardsPicker* picker = OpenPicker(0);
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(QApplication::focusWidget(), picker->picFace(10));
  Press(Qt::Key_Left);  // the first face: nowhere to go
  Press(Qt::Key_Right);
  Press(Qt::Key_Right);
  Press(Qt::Key_Space);  // 12
  Press(Qt::Key_Down);
  Press(Qt::Key_Down);
  EXPECT_EQ(picker->FocusFace(), 32);
  Press(Qt::Key_Up);
  Press(Qt::Key_Left);  // over 21
  Press(Qt::Key_Right);
  Press(Qt::Key_Right);  // the arrows go over picked faces too
  EXPECT_EQ(QApplication::focusWidget(), picker->picFace(23));
  Press(Qt::Key_Return);  // 23
  Press(Qt::Key_End);
  EXPECT_EQ(picker->FocusFace(), 8);  // the Rey de Bastos closes the deck
  Press(Qt::Key_Home);
  EXPECT_EQ(picker->FocusFace(), 10);
  for (int k = 0; k < 9; ++k) Press(Qt::Key_Right);
  EXPECT_EQ(picker->FocusFace(), 18);  // the Rey de Oros ends the row
  Press(Qt::Key_Right);
  EXPECT_EQ(picker->FocusFace(), 20);  // and Right goes on to the next row
  Press(Qt::Key_Home);
  // The faces are one Tab stop, the window's only one until Deal is enabled.
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), picker->picFace(10));
  EXPECT_EQ(picker->Picks(), (std::vector<CardIndex>{12, 23}));
  Press(Qt::Key_Enter);  // the third and last pick
  EXPECT_EQ(Loaded<OwnCardsPicker>("OwnCardsPicker"), picker);
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), picker->cmdDeal());
  Press(Qt::Key_Space);
  EXPECT_EQ(Loaded<OwnCardsPicker>("OwnCardsPicker"), nullptr);
  ASSERT_NE(Loaded<MDI>("MDI"), nullptr);
  EXPECT_EQ(Loaded<MDI>("MDI")->Details().hand, (std::vector<CardIndex>{12, 23, 10}));
}

// Not a check: paints the README's picture of the picker, four cards into a Gypsy reading, when
// run by name with --gtest_also_run_disabled_tests and BARALUNE_SCREENSHOT=<file.png>.
TEST_F(OwnCardsTest, DISABLED_ScreenshotOfThePicker) {
  OwnCardsPicker* picker = OpenPicker(3);
  ASSERT_NE(picker, nullptr);
  for (const int card : {5, 18, 34, 23}) Click(picker, card);
  QTest::qWait(200);
  ASSERT_TRUE(picker->grab().save(qEnvironmentVariable("BARALUNE_SCREENSHOT")));
}

}  // namespace
}  // namespace baralune::testing
