// What a screen reader finds in the windows: a name for every control, and the card boxes of the
// spread display telling which card each shows.
#include <QAccessible>
#include <QLabel>
#include <set>

#include "frmAbout.h"
#include "frmCartomancy.h"
#include "frmManual.h"
#include "history_window.h"
#include "reading.h"
#include "report_view.h"
#include "spread_editor.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

QAccessibleInterface* Accessible(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  EXPECT_NE(face, nullptr) << widget->objectName().toStdString();
  return face;
}

QString NameOf(QWidget* widget) {
  QAccessibleInterface* face = Accessible(widget);
  return face != nullptr ? face->text(QAccessible::Name) : QString();
}

QString DescriptionOf(QWidget* widget) {
  QAccessibleInterface* face = Accessible(widget);
  return face != nullptr ? face->text(QAccessible::Description) : QString();
}

class AccessibilityTest : public UiTest {
 protected:
  // Every control shown in `window` has a name; panels, the menu bar, scroll bars and lines,
  // which only hold or divide the others, are not asked for one unless they take the focus.
  static void ExpectEveryControlNamed(QWidget* window) {
    static const std::set<QAccessible::Role> kHolders = {
        QAccessible::Client,    QAccessible::MenuBar, QAccessible::ScrollBar,
        QAccessible::Separator, QAccessible::Border,  QAccessible::LayeredPane};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    int checked = 0;
    for (QWidget* w : widgets) {
      if (!w->isVisible()) continue;
      QAccessibleInterface* face = Accessible(w);
      if (face == nullptr) continue;
      if (kHolders.count(face->role()) != 0 && w->focusPolicy() == Qt::NoFocus) continue;
      ++checked;
      EXPECT_FALSE(face->text(QAccessible::Name).trimmed().isEmpty())
          << window->objectName().toStdString() << ": " << w->metaObject()->className() << " "
          << w->objectName().toStdString();
    }
    EXPECT_GT(checked, 5) << window->objectName().toStdString();
  }
};

TEST_F(AccessibilityTest, EveryControlOfEveryWindowHasAName) {
  frmMain* main = OpenMainWindow();
  ExpectEveryControlNamed(main);

  auto* about = new frmAbout(main);
  about->setAttribute(Qt::WA_DeleteOnClose);
  about->show();
  ExpectEveryControlNamed(about);
  about->close();

  // The report window with the spread display after a Gypsy reading.
  ExpectEveryControlNamed(DealAutomatic(main, 3));
  QuitProgram();
  FlushDeletes();

  ExpectEveryControlNamed(OpenManualWindow(3));
  QuitProgram();
  FlushDeletes();

  ExpectEveryControlNamed(ShowHistoryWindow(OpenMainWindow()));
  ExpectEveryControlNamed(ShowSpreadEditor(nullptr));
}

TEST_F(AccessibilityTest, NamesComeFromCaptionsOrTheControlsRoles) {
  frmMain* main = OpenMainWindow();
  EXPECT_EQ(NameOf(Child<QWidget>(main, "txtName")), QStringLiteral("Name"));
  // The access-key marker is no part of the name.
  EXPECT_EQ(NameOf(Child<QWidget>(main, "cmdCalculate")), QStringLiteral("Deal The Spanish Cards"));
  // A list is labelled by its caption (its name is its choice on Linux).
  QAccessibleInterface* month = Accessible(Child<QWidget>(main, "cboMonth"));
  ASSERT_NE(month, nullptr);
  QStringList labels;
  for (const auto& [label, relation] : month->relations(QAccessible::Label)) {
    labels << label->text(QAccessible::Name);
  }
  EXPECT_TRUE(labels.contains(QStringLiteral("Date of Birth"))) << labels.join(", ").toStdString();
  // A link label reads as a link, by its caption.
  QAccessibleInterface* link = Accessible(main->lblFullBrand());
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->role(), QAccessible::Link);
  EXPECT_EQ(link->text(QAccessible::Name), FullBrandText());

  MDI* report = DealAutomatic(main, 0);
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(NameOf(report->RTB()), QStringLiteral("Report"));
  EXPECT_EQ(NameOf(Child<QWidget>(report, "cmdExit")), QStringLiteral("Exit"));
  EXPECT_EQ(NameOf(report->SpreadDisplayWindow()->CardBox(3, 12)), QStringLiteral("Position 12"));
  QuitProgram();
  FlushDeletes();

  frmManual* manual = OpenManualWindow(0);
  ASSERT_NE(manual, nullptr);
  EXPECT_EQ(NameOf(Child<QWidget>(manual, "picTray")), QStringLiteral("Card tray"));
  QAccessibleInterface* card = Accessible(manual->picManual(4));
  ASSERT_NE(card, nullptr);
  EXPECT_EQ(card->role(), QAccessible::Button);
  EXPECT_EQ(card->text(QAccessible::Name), QStringLiteral("Face-down card 5"));
  // A screen reader's Press picks the card, as a click does.
  ASSERT_NE(card->actionInterface(), nullptr);
  card->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(manual->PickCount(), 1);
  EXPECT_FALSE(manual->picManual(4)->isVisible());
}

TEST_F(AccessibilityTest, CardBoxesSayWhichCardTheyShow) {
  MDI* report = LoadedReportWindow();
  frmCartomancy* display = report->SpreadDisplayWindow();
  ASSERT_NE(display, nullptr);
  EXPECT_EQ(DescriptionOf(display->CardBox(0, 3)), QStringLiteral("Position 3: face down"));

  RunReading(0, report->ReadingTarget(), [](int) { return std::vector<CardIndex>{30, 3, 27, 0}; });
  EXPECT_EQ(DescriptionOf(display->CardBox(0, 1)), QStringLiteral("Position 1: Ace of Spades"));
  // The run of spaces in this card's name is not read out.
  EXPECT_EQ(DescriptionOf(display->CardBox(0, 2)),
            QStringLiteral("Position 2: Four of Clubs (Cuatro)"));
  EXPECT_EQ(DescriptionOf(display->CardBox(0, 3)),
            QStringLiteral("Position 3: Ten of Hearts (Sota)"));
  // The other layouts keep their cards face down.
  EXPECT_EQ(DescriptionOf(display->CardBox(3, 1)), QStringLiteral("Position 1: face down"));
}

}  // namespace
}  // namespace baralune::testing
