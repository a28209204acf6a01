// Manual mode: the tray of face-down cards, the position meanings pick by pick, the pause and
// the reading after the last pick, Back and Exit.
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QTextDocument>

#include "artwork.h"
#include "card_image_list.h"
#include "catalogue.h"
#include "frmCartomancy.h"
#include "frmManual.h"
#include "language_choice.h"
#include "random.h"
#include "reading.h"
#include "report_view.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

QString Meaning(SpreadIndex spread, int position) {
  return QString::fromStdString(PositionMeaning(spread, position, ReadingLanguage()));
}

// True when `front` lies above `back` among their common parent's children.
bool InFront(const QWidget* front, const QWidget* back) {
  const QObjectList& siblings = front->parentWidget()->children();
  return siblings.indexOf(front) > siblings.indexOf(back);
}

QImage RGB(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32);
}

int CardsLeft(const frmManual* manual) {
  int left = 0;
  for (int k = 0; k < frmManual::kTrayCards; ++k) left += manual->picManual(k)->isVisible();
  return left;
}

class ManualTest : public UiTest {
 protected:
  frmManual* DealManual(int spread) { return OpenManualWindow(spread); }

  static void Pick(frmManual* manual, int index) {
    QTest::mouseClick(manual->picManual(index), Qt::LeftButton, {}, QPoint(20, 20));
  }

  // Picks the cards in turn and returns the hand of the reading they lead to.
  std::vector<CardIndex> ManualReading(int spread, const std::vector<int>& picks) {
    frmManual* manual = DealManual(spread);
    EXPECT_NE(manual, nullptr);
    if (manual == nullptr) return {};
    for (int k : picks) Pick(manual, k);
    EXPECT_EQ(Loaded<frmManual>("frmManual"), nullptr);
    std::vector<CardIndex> hand = Hand;
    QuitProgram();
    FlushDeletes();
    return hand;
  }
};

TEST_F(ManualTest, TrayLaysOutFiftyTwoCardBacksBehindWhichTheMessageWaits) {
  frmManual* manual = DealManual(0);
  ASSERT_NE(manual, nullptr);
  EXPECT_EQ(manual->windowTitle(), QStringLiteral("Baralune v1.15"));
  EXPECT_EQ(manual->centralWidget()->size(), QSize(634, 363));
  EXPECT_FALSE(manual->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(manual->windowFlags() & Qt::WindowMaximizeButtonHint);

  // 4 rows of 13, 48 px apart across and 64 px down, the small back at its natural size.
  const QImage back = SmallCardBackImage();
  const struct {
    int index;
    QRect place;
  } corners[] = {{0, {8, 8, 43, 58}},     {12, {584, 8, 43, 58}}, {13, {8, 72, 43, 58}},
                 {27, {56, 136, 43, 58}}, {39, {8, 200, 43, 58}}, {51, {584, 200, 43, 58}}};
  for (const auto& c : corners) EXPECT_EQ(manual->picManual(c.index)->geometry(), c.place);
  for (int k = 0; k < frmManual::kTrayCards; ++k) {
    ClickableLabel* card = manual->picManual(k);
    EXPECT_EQ(card->parentWidget(), Child<QWidget>(manual, "picTray"));
    EXPECT_EQ(card->pixmap().toImage(), back) << k;
    EXPECT_TRUE(card->isVisible() && card->isEnabled()) << k;
  }
  EXPECT_EQ(manual->picManual(52), nullptr);

  auto* tray = Child<QWidget>(manual, "picTray");
  auto* message = Child<QWidget>(manual, "picMessage");
  EXPECT_EQ(tray->geometry(), QRect(0, 13, 633, 265));
  EXPECT_EQ(message->geometry(), QRect(161, 133, 313, 57));
  EXPECT_TRUE(tray->geometry().contains(message->geometry()));
  EXPECT_TRUE(InFront(tray, message));
}

TEST_F(ManualTest, ThreeCardSpreadNamesEachPositionThenDealsAfterThePause) {
  frmManual* manual = DealManual(0);
  ASSERT_NE(manual, nullptr);
  auto* meaning = Child<QLabel>(manual, "lblPositionMeaning");
  auto* tray = Child<QWidget>(manual, "picTray");
  auto* message = Child<QWidget>(manual, "picMessage");

  EXPECT_EQ(meaning->text(), QStringLiteral("Card 1 relates to your past experiences and also "
                                            "indicates your present situation."));
  Pick(manual, 7);
  EXPECT_FALSE(manual->picManual(7)->isVisible());
  EXPECT_EQ(manual->PickCount(), 1);
  EXPECT_EQ(meaning->text(), QStringLiteral("Card 2 represents your current influences and also "
                                            "focuses on the actual question, problem or "
                                            "situation."));
  // The place stays empty: the neighbours keep their places.
  EXPECT_EQ(manual->picManual(8)->pos(), QPoint(392, 8));

  // A card once picked is gone: neither a click nor a call picks it again.
  Pick(manual, 7);
  manual->picManual_Click(7);
  EXPECT_EQ(manual->PickCount(), 1);

  Pick(manual, 8);
  const QString last = QStringLiteral("Card 3 indicates the final outcome or result.");
  EXPECT_EQ(meaning->text(), last);

  // During the pause: the label stays on position 3, the tray is disabled, the message lies
  // in front of it, and no reading has been made yet.
  Hand = {99};
  int pausesSeen = 0;
  AppSeams().pause = [&](QObject*, int ms, const std::function<void()>& then) {
    ++pausesSeen;
    EXPECT_EQ(ms, 2000);
    EXPECT_EQ(meaning->text(), last);
    EXPECT_FALSE(tray->isEnabled());
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(InFront(message, tray));
    EXPECT_EQ(Hand, std::vector<CardIndex>{99});
    EXPECT_FALSE(Loaded<MDI>("MDI")->isVisible());
    then();
  };
  Pick(manual, 51);
  EXPECT_EQ(pausesSeen, 1);

  // Then the reading: the report window shows the 3-card spread with the drawn faces, and the
  // manual window has closed itself without ending the program.
  MDI* report = Loaded<MDI>("MDI");
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(report->isVisible());
  EXPECT_TRUE(report->RTB()->document()->toPlainText().contains(QStringLiteral("3 Card Spread")));
  frmCartomancy* display = report->SpreadDisplayWindow();
  ASSERT_NE(display, nullptr);
  EXPECT_EQ(display->FrontLayout(), 0);
  ASSERT_EQ(Hand.size(), 4u);
  for (int p = 1; p <= 3; ++p) {
    EXPECT_EQ(RGB(display->CardBox(0, p)->pixmap().toImage()),
              RGB(CardImageList::Large().Image(Hand[p - 1] + 1)));
  }
  EXPECT_EQ(Loaded<frmManual>("frmManual"), nullptr);
  EXPECT_EQ(desktop.endProcessCalls, 0);
}

TEST_F(ManualTest, EverySpreadWalksThroughItsPositionMeaningsInTurn) {
  for (SpreadIndex spread = 0; spread < kSpreadCount; ++spread) {
    SCOPED_TRACE(spread);
    frmManual* manual = DealManual(spread);
    ASSERT_NE(manual, nullptr);
    auto* meaning = Child<QLabel>(manual, "lblPositionMeaning");
    const int n = SpreadOf(spread).cards;
    int left = -1;
    AppSeams().pause = [&](QObject*, int, const std::function<void()>& then) {
      left = CardsLeft(manual);
      then();
    };

    QStringList shown;
    for (int pick = 0; pick < n; ++pick) {
      shown << meaning->text();
      // Every fifth card, wrapping round: scattered picks, never the same card twice.
      Pick(manual, (pick * 5) % frmManual::kTrayCards);
    }
    QStringList expected;
    for (int p = 1; p <= n; ++p) expected << Meaning(spread, p);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(left, frmManual::kTrayCards - n);  // 31 cards left after 21 picks
    ASSERT_EQ(Hand.size(), static_cast<std::size_t>(n) + 1);
    EXPECT_EQ(Loaded<MDI>("MDI")->SpreadDisplayWindow()->FrontLayout(), spread);
    QuitProgram();
    FlushDeletes();
  }
}

TEST_F(ManualTest, ThePauseRunsOnTheEventLoopAndBackDuringItDealsNoReading) {
  // The real timer, shortened: the last pick returns at once and the reading follows later.
  AppSeams().pause = [](QObject* context, int, std::function<void()> then) {
    RealSeams().pause(context, 20, std::move(then));
  };
  frmManual* manual = DealManual(0);
  ASSERT_NE(manual, nullptr);
  for (int k : {1, 2, 3}) Pick(manual, k);
  EXPECT_EQ(Loaded<frmManual>("frmManual"), manual);
  EXPECT_FALSE(Loaded<MDI>("MDI")->isVisible());
  EXPECT_TRUE(QTest::qWaitFor([] { return Loaded<MDI>("MDI")->isVisible(); }));
  EXPECT_EQ(Loaded<frmManual>("frmManual"), nullptr);
  QuitProgram();
  FlushDeletes();
  const int ends = desktop.endProcessCalls;

  // Back while the message shows: the main window comes back and no reading is made, even
  // if the pause ends before the window is gone.
  std::function<void()> pending;
  AppSeams().pause = [&](QObject*, int, std::function<void()> then) { pending = std::move(then); };
  manual = DealManual(0);
  ASSERT_NE(manual, nullptr);
  for (int k : {1, 2, 3}) Pick(manual, k);
  ASSERT_TRUE(pending);
  Hand = {99};
  manual->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
  pending();
  EXPECT_EQ(Hand, std::vector<CardIndex>{99});
  EXPECT_FALSE(Loaded<MDI>("MDI")->isVisible());
  EXPECT_NE(Loaded<frmMain>("frmMain"), nullptr);
  EXPECT_EQ(desktop.endProcessCalls, ends);
}

TEST_F(ManualTest, TheReadingUsesTheSpreadKeptAtLoad) {
  frmManual* manual = DealManual(1);
  ASSERT_NE(manual, nullptr);
  CurrentSpreadIndex = 3;  // a later change does not reach the open window
  for (int k = 0; k < 9; ++k) Pick(manual, k);
  EXPECT_EQ(Hand.size(), 10u);
  EXPECT_EQ(Loaded<MDI>("MDI")->SpreadDisplayWindow()->FrontLayout(), 1);
}

TEST_F(ManualTest, ThePicksNeverDecideTheCards) {
  std::vector<int> first21;
  std::vector<int> last21;
  for (int k = 0; k < 21; ++k) {
    first21.push_back(k);
    last21.push_back(51 - k);
  }
  // The draw mixes the clock into the generator before each card; hold the clock still.
  SharedRandom().SetClock([] { return std::uint64_t{7}; });
  // From the same state of the generator, different picks give the same cards...
  SharedRandom().Seed(2026);
  const auto a = ManualReading(3, first21);
  SharedRandom().Seed(2026);
  const auto b = ManualReading(3, last21);
  ASSERT_EQ(a.size(), 22u);
  EXPECT_EQ(a, b);
  // ...and the same picks again give an independent draw.
  const auto c = ManualReading(3, first21);
  ASSERT_EQ(c.size(), 22u);
  EXPECT_NE(a, c);
  SharedRandom().SetClock(nullptr);
}

TEST_F(ManualTest, BackDropsThePicksAndTheNextManualReadingStartsWithAFullTray) {
  frmManual* manual = DealManual(2);
  ASSERT_NE(manual, nullptr);
  for (int k : {3, 30, 44}) Pick(manual, k);
  EXPECT_EQ(manual->PickCount(), 3);
  QPointer<frmManual> first = manual;

  manual->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
  EXPECT_EQ(Loaded<frmManual>("frmManual"), nullptr);
  EXPECT_NE(Loaded<frmMain>("frmMain"), nullptr);
  EXPECT_TRUE(desktop.pauses.empty());
  EXPECT_EQ(desktop.endProcessCalls, 0);
  FlushDeletes();
  EXPECT_TRUE(first.isNull());

  // Deal again from the new main window: a fresh window, all 52 cards, position 1.
  frmManual* again = DealManual(2);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->PickCount(), 0);
  EXPECT_EQ(CardsLeft(again), 52);
  EXPECT_EQ(Child<QLabel>(again, "lblPositionMeaning")->text(), Meaning(2, 1));
  EXPECT_TRUE(InFront(Child<QWidget>(again, "picTray"), Child<QWidget>(again, "picMessage")));
  // Only one report window is kept, hidden, for the reading to come.
  FlushDeletes();
  int reports = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) reports += w->objectName() == "MDI";
  EXPECT_EQ(reports, 1);
  for (int k = 0; k < 7; ++k) Pick(again, k);
  EXPECT_TRUE(Loaded<MDI>("MDI")->isVisible());
}

TEST_F(ManualTest, ExitAndTheCloseBoxEndTheProgram) {
  frmManual* manual = DealManual(0);
  ASSERT_NE(manual, nullptr);
  Pick(manual, 0);
  manual->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
  EXPECT_EQ(desktop.endProcessCalls, 1);
  EXPECT_EQ(Loaded<frmManual>("frmManual"), nullptr);
  EXPECT_EQ(Loaded<MDI>("MDI"), nullptr);  // the hidden report window goes as well
  EXPECT_TRUE(desktop.pauses.empty());

  frmManual* another = DealManual(3);
  ASSERT_NE(another, nullptr);
  another->close();
  EXPECT_EQ(desktop.endProcessCalls, 2);
  EXPECT_EQ(Loaded<frmManual>("frmManual"), nullptr);
}

TEST_F(ManualTest, TheReportWindowKnowsWhoAskedHowItWasDealtAndTheCards) {
  frmManual* manual = DealManual(0);
  ASSERT_NE(manual, nullptr);
  for (int k : {3, 9, 20}) Pick(manual, k);
  MDI* report = Loaded<MDI>("MDI");
  ASSERT_NE(report, nullptr);
  const ReadingDetails& details = report->Details();
  EXPECT_EQ(details.name, QStringLiteral("Lucia"));
  EXPECT_EQ(details.birthDate, QStringLiteral("1900-01-01"));
  EXPECT_EQ(details.mode, ReadingDetails::Mode::Manual);
  EXPECT_EQ(details.hand, std::vector<CardIndex>(Hand.begin(), Hand.begin() + 3));
  EXPECT_TRUE(details.dealt.isValid());

  report->mnuBack_Click();
  FlushDeletes();
  report = DealAutomatic(Loaded<frmMain>("frmMain"), 3);
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(report->Details().mode, ReadingDetails::Mode::Automatic);
  EXPECT_EQ(report->Details().hand.size(), 21u);
}

}  // namespace
}  // namespace baralune::testing
