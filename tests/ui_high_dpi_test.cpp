// Cards, backs, icon and cursor on the screen the tests run on: the double-size artwork on a
// screen of device pixel ratio 2, the single size otherwise, the layouts the same size in logical
// pixels either way. ctest runs these once on a plain screen and once with QT_SCALE_FACTOR=2.
#include <QCursor>
#include <QLabel>
#include <QScreen>

#include "card_image_list.h"
#include "frmAbout.h"
#include "frmCartomancy.h"
#include "frmManual.h"
#include "reading.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

// The ratio asked of Qt through the environment; 1 when none is.
qreal RequestedRatio() {
  bool ok = false;
  const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  return ok ? factor : 1.0;
}

QImage RGB(const QPixmap& pixmap) {
  return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// The pixmap shown is the artwork for the screen: its pixel ratio, and its pixels.
void ExpectArtwork(const QPixmap& shown, QSize logical) {
  const qreal ratio = RequestedRatio();
  EXPECT_EQ(shown.devicePixelRatio(), ratio);
  EXPECT_EQ(shown.size(), logical * ratio);
}

using HighDpiTest = UiTest;

TEST_F(HighDpiTest, TheScreenHasTheRequestedRatio) {
  ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
  EXPECT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), RequestedRatio());
  EXPECT_EQ(OpenMainWindow()->devicePixelRatioF(), RequestedRatio());
}

TEST_F(HighDpiTest, CardBoxesShowFacesAndBacksAtTheScreensRatio) {
  MDI* report = LoadedReportWindow();
  frmCartomancy* display = report->SpreadDisplayWindow();
  ASSERT_NE(display, nullptr);
  RunReading(0, report->ReadingTarget(), [](int) { return std::vector<CardIndex>{30, 3, 27, 0}; });
  QLabel* face = display->CardBox(0, 1);
  QLabel* back = display->CardBox(3, 1);  // no card placed in the Gypsy layout
  for (QLabel* box : {face, back}) {
    EXPECT_EQ(box->size(), QSize(71, 96));
    ExpectArtwork(box->pixmap(), QSize(71, 96));
  }
  EXPECT_EQ(
      RGB(face->pixmap()),
      CardImageList::Large().Image(31, RequestedRatio()).convertToFormat(QImage::Format_RGB32));
}

TEST_F(HighDpiTest, TrayBacksKeepTheirPlacesAtTheScreensRatio) {
  frmManual* manual = OpenManualWindow(0);
  ASSERT_NE(manual, nullptr);
  EXPECT_EQ(manual->centralWidget()->size(), QSize(634, 363));
  EXPECT_EQ(manual->picManual(51)->geometry(), QRect(584, 200, 43, 58));
  ExpectArtwork(manual->picManual(51)->pixmap(), QSize(43, 58));
}

TEST_F(HighDpiTest, IconsAndTheHandCursorAtTheScreensRatio) {
  frmMain* main = OpenMainWindow();
  const QCursor hand = main->lblFullBrand()->cursor();
  ExpectArtwork(hand.pixmap(), QSize(32, 32));
  EXPECT_EQ(hand.hotSpot(), QPoint(6, 1));  // logical pixels, whatever the ratio

  frmAbout about(main);
  auto* icon = Child<QLabel>(&about, "picIcon");
  EXPECT_EQ(icon->size(), QSize(32, 32));
  ExpectArtwork(icon->pixmap(), QSize(32, 32));
  // Window icons offer both sizes; the desktop picks the one that fits.
  const QList<QSize> sizes = about.windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(64, 64)));
}

}  // namespace
}  // namespace baralune::testing
