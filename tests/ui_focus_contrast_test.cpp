// Keyboard focus that stands out, and the date-of-birth lists' names: what a reader who works
// with the keyboard, a screen reader or a dark theme finds on the main window.
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QStyleOption>

#include "clickable_label.h"
#include "focus_contrast.h"
#include "look.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

// How many pixels of `control` change to a colour at least 3:1 from the one they had when
// the keyboard's focus comes to it, and the least ratio among the pixels that changed most.
struct FocusChange {
  int strongPixels = 0;
  double best = 1;
};

FocusChange MeasureFocus(QWidget* window, QWidget* control, QWidget* elsewhere) {
  window->setAttribute(Qt::WA_KeyboardFocusChange);
  elsewhere->setFocus(Qt::TabFocusReason);
  const QImage before = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
  control->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(control->hasFocus()) << qPrintable(control->objectName());
  const QImage after = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
  FocusChange change;
  for (int y = 0; y < after.height(); ++y) {
    for (int x = 0; x < after.width(); ++x) {
      const double ratio = ContrastRatio(before.pixelColor(x, y), after.pixelColor(x, y));
      change.best = std::max(change.best, ratio);
      if (ratio >= 3) ++change.strongPixels;
    }
  }
  return change;
}

class FocusContrastTest : public UiTest {
 protected:
  frmMain* OpenActiveMainWindow() {
    frmMain* main = OpenMainWindow();
    main->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([main] { return QApplication::activeWindow() == main; }));
    return main;
  }
};

// Every control the keyboard reaches on the main window shows its focus with a frame at least
// 3:1 from what it replaces, a line's worth of pixels at least, on every side.
TEST_F(FocusContrastTest, EveryFocusIndicatorOfTheMainWindowReachesThreeToOne) {
  // WCAG's figures: white and the purple, the frame on light grounds.
  EXPECT_NEAR(ContrastRatio(look::Background(), Qt::white), 6.93, 0.01);
  EXPECT_GE(ContrastRatio(FocusColourOn(QColor(0xF0, 0xF0, 0xF0)), QColor(0xF0, 0xF0, 0xF0)), 3);
  frmMain* main = OpenActiveMainWindow();
  auto* name = Child<QWidget>(main, "txtName");
  for (const char* control : {"txtName", "cboMonth", "cboDate", "cboYear", "cboSpread", "optAuto",
                              "optManual", "optOwnCards", "cmdCalculate", "Label14"}) {
    QWidget* widget = Child<QWidget>(main, control);
    QWidget* elsewhere = widget == name ? Child<QWidget>(main, "cboSpread") : name;
    const FocusChange change = MeasureFocus(main, widget, elsewhere);
    // A radio's frame goes round its caption; the others' round the whole control.
    const int line = qobject_cast<QRadioButton*>(widget) != nullptr ? 40 : widget->width();
    EXPECT_GE(change.strongPixels, line) << control << ", best " << change.best;
  }
}

// Under a dark theme the option circles stay white on the purple, with a black dot.
TEST_F(FocusContrastTest, OptionCirclesStayVisibleOnPurpleUnderADarkTheme) {
  const QPalette light = QApplication::palette();
  QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2A, 0x2A, 0x2A));
  dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
  dark.setColor(QPalette::Text, Qt::white);
  dark.setColor(QPalette::WindowText, Qt::white);
  QApplication::setPalette(dark);
  frmMain* main = OpenMainWindow();
  for (const char* name : {"optAuto", "optManual", "optOwnCards"}) {
    auto* option = Child<QRadioButton>(main, name);
    QStyleOptionButton style;
    style.initFrom(option);
    const QRect circle =
        option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
    const QImage image = option->grab(circle).toImage();
    int visible = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (ContrastRatio(image.pixelColor(x, y), look::Background()) >= 3) ++visible;
      }
    }
    EXPECT_GE(visible, circle.width() * circle.height() / 3) << name;
  }
  QuitProgram();
  FlushDeletes();
  QApplication::setPalette(light);
}

// Each list of the date of birth is labelled with what it is and with its frame's caption (on
// Linux a list's name is its choice, so screen readers speak its labels).
TEST_F(FocusContrastTest, TheDateOfBirthListsSayWhatTheyAre) {
  frmMain* main = OpenMainWindow();
  const std::pair<const char*, QString> lists[] = {{"cboMonth", QStringLiteral("Month of birth")},
                                                   {"cboDate", QStringLiteral("Day of birth")},
                                                   {"cboYear", QStringLiteral("Year of birth")}};
  for (const auto& [name, spoken] : lists) {
    QWidget* list = Child<QWidget>(main, name);
    EXPECT_EQ(list->accessibleName(), spoken);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(face, nullptr);
    QStringList labels;
    for (const auto& [label, relation] : face->relations(QAccessible::Label)) {
      labels << label->text(QAccessible::Name);
    }
    EXPECT_TRUE(labels.contains(spoken)) << name << ": " << labels.join(", ").toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral("Personal Details")))
        << name << ": " << labels.join(", ").toStdString();
  }
}

}  // namespace
}  // namespace baralune::testing
