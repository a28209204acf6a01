// The windows' look on any desktop: flat face buttons that Enter presses, menu bars in the
// desktop's colours, a report window that scrolls on a small screen, and the fixed colours kept
// under a dark theme.
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <map>

#include "face_button.h"
#include "frmAbout.h"
#include "frmCartomancy.h"
#include "report_view.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

QColor Pixel(QWidget* widget, QPoint at) {
  return widget->grab().toImage().pixelColor(at * widget->devicePixelRatioF());
}

// The colour most of the widget is painted in.
QRgb Dominant(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  }
  return std::max_element(counts.begin(), counts.end(),
                          [](auto& a, auto& b) { return a.second < b.second; })
      ->first;
}

QPalette DarkPalette() {
  QPalette dark;
  const QColor window(0x35, 0x35, 0x35);
  dark.setColor(QPalette::Window, window);
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
  dark.setColor(QPalette::AlternateBase, window);
  dark.setColor(QPalette::Text, Qt::white);
  dark.setColor(QPalette::Button, window);
  dark.setColor(QPalette::ButtonText, Qt::white);
  dark.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
  dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
  return dark;
}

using LookTest = UiTest;

TEST_F(LookTest, FaceButtonsShowTheirColourFlatAndEnterPressesThem) {
  frmMain* main = OpenMainWindow();
  auto* deal = Child<FaceButton>(main, "cmdCalculate");
  EXPECT_EQ(Pixel(deal, {4, deal->height() / 2}), QColor(0xC0, 0xFF, 0xFF));
  MDI* report = DealAutomatic(main, 0);
  ASSERT_NE(report, nullptr);
  for (const char* name : {"cmdBack", "cmdSave", "cmdExit"}) {
    auto* button = Child<FaceButton>(report, name);
    // The same colour at the top and the bottom of the face: no gradient.
    EXPECT_EQ(Pixel(button, {4, 4}), QColor(0xFF, 0xB4, 0x04)) << name;
    EXPECT_EQ(Pixel(button, {4, button->height() - 5}), QColor(0xFF, 0xB4, 0x04)) << name;
  }
  auto* save = Child<QPushButton>(report, "cmdSave");
  save->setFocus(Qt::TabFocusReason);
  QTest::keyClick(save, Qt::Key_Return);
  QTRY_COMPARE(desktop.saveRequests.size(), 1u);
  QTest::keyClick(save, Qt::Key_Enter, Qt::KeypadModifier);
  QTRY_COMPARE(desktop.saveRequests.size(), 2u);
}

TEST_F(LookTest, MenuBarsKeepTheDesktopsColours) {
  frmMain* main = OpenMainWindow();
  MDI* report = DealAutomatic(main, 1);
  ASSERT_NE(report, nullptr);
  frmManual* manual = OpenManualWindow(0);
  ASSERT_NE(manual, nullptr);
  for (QMainWindow* window : std::initializer_list<QMainWindow*>{report, manual}) {
    QMenuBar* bar = window->menuBar();
    EXPECT_EQ(bar->palette().color(QPalette::Window),
              QApplication::palette(bar).color(QPalette::Window))
        << window->objectName().toStdString();
    EXPECT_EQ(bar->palette().color(QPalette::WindowText),
              QApplication::palette(bar).color(QPalette::WindowText));
  }
}

TEST_F(LookTest, TheReportWindowScrollsWhenTheScreenIsSmall) {
  MDI* report = DealAutomatic(OpenMainWindow(), 3);
  ASSERT_NE(report, nullptr);
  auto* scroll = Child<QScrollArea>(report, "clientScroll");
  report->showNormal();
  report->resize(800, 560);
  QCoreApplication::processEvents();
  ASSERT_GT(scroll->verticalScrollBar()->maximum(), 0);
  // Too narrow for both, the report lies under the spread display, at its own width.
  EXPECT_TRUE(report->ReportUnderDisplay());
  EXPECT_EQ(report->RTB()->size(), QSize(282, 617));
  // Back, Save and Exit never scroll away: the far corner of each is in the window.
  auto inWindow = [&](QWidget* w) {
    return report->rect().contains(w->mapTo(report, QPoint(w->width() - 1, w->height() - 1)));
  };
  for (const char* button : {"cmdBack", "cmdSave", "cmdExit"}) {
    EXPECT_TRUE(inWindow(Child<QWidget>(report, button))) << button;
  }
  // Scrolled to the end, the bottom of the report box comes into view.
  scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
  scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
  QCoreApplication::processEvents();
  const QRect visible = scroll->viewport()->rect();
  EXPECT_TRUE(visible.contains(report->RTB()->mapTo(
      scroll->viewport(), QPoint(report->RTB()->width() - 1, report->RTB()->height() - 1))));

  // On a 1366x720 screen, beside the display, the buttons in reach without scrolling.
  report->resize(1366, 720 - 30);
  QCoreApplication::processEvents();
  EXPECT_FALSE(report->ReportUnderDisplay());
  for (const char* button : {"cmdBack", "cmdSave", "cmdExit"}) {
    EXPECT_TRUE(inWindow(Child<QWidget>(report, button))) << button;
  }

  report->resize(1600, 1000);
  QCoreApplication::processEvents();
  EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
}

// The colours of every coloured text of every window: its own text colour and the colour it
// sits on. Plain push buttons (the About box's OK) are the desktop's and left out.
std::map<QString, std::pair<QRgb, QRgb>> Colours(const std::vector<QWidget*>& windows) {
  std::map<QString, std::pair<QRgb, QRgb>> colours;
  for (QWidget* window : windows) {
    int n = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
      const bool text = qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w) ||
                        qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                        qobject_cast<QRadioButton*>(w) || qobject_cast<FaceButton*>(w);
      if (!text || !w->isVisibleTo(window) || w->width() < 2 || w->height() < 2) continue;
      const QString key =
          window->objectName() + QLatin1Char('/') + w->objectName() + QString::number(n++);
      // Text colour only where there is text; face buttons paint theirs black themselves.
      auto* label = qobject_cast<QLabel*>(w);
      auto* frame = qobject_cast<QGroupBox*>(w);
      const bool noText = (label && label->text().isEmpty()) ||
                          (frame && frame->title().isEmpty()) || qobject_cast<FaceButton*>(w);
      colours[key] = {noText ? 0 : w->palette().color(w->foregroundRole()).rgb(), Dominant(w)};
    }
  }
  return colours;
}

TEST_F(LookTest, ADarkThemeLeavesTheFixedColoursAndThePaperWhite) {
  auto openAll = [this] {
    frmMain* main = OpenMainWindow();
    auto colours = Colours({main});
    MDI* report = DealAutomatic(main, 3);
    auto more = Colours({report, report->SpreadDisplayWindow()});
    colours.insert(more.begin(), more.end());
    frmManual* manual = OpenManualWindow(2);
    more = Colours({manual});
    colours.insert(more.begin(), more.end());
    frmAbout about(report);
    about.show();
    more = Colours({&about});
    colours.insert(more.begin(), more.end());
    return colours;
  };
  const auto light = openAll();
  QuitProgram();
  FlushDeletes();

  const QPalette saved = QApplication::palette();
  QApplication::setPalette(DarkPalette());
  const auto dark = openAll();
  MDI* report = Loaded<MDI>("MDI");
  ASSERT_NE(report, nullptr);
  const QImage paper = report->RTB()->viewport()->grab().toImage();
  const QRgb paperColour = Dominant(report->RTB()->viewport());
  QApplication::setPalette(saved);

  ASSERT_GT(light.size(), 40u);
  for (const auto& [key, colours] : light) {
    const auto found = dark.find(key);
    ASSERT_NE(found, dark.end()) << key.toStdString();
    EXPECT_EQ(found->second.first, colours.first) << key.toStdString() << " text";
    EXPECT_EQ(found->second.second, colours.second) << key.toStdString() << " background";
  }
  // The report: white paper with black text.
  EXPECT_EQ(paperColour, qRgb(255, 255, 255));
  bool blackText = false;
  for (int y = 0; y < paper.height() && !blackText; ++y) {
    for (int x = 0; x < paper.width() && !blackText; ++x)
      blackText = paper.pixel(x, y) == qRgb(0, 0, 0);
  }
  EXPECT_TRUE(blackText);
}

}  // namespace
}  // namespace baralune::testing
