// Every menu entry and link label of every window against the table of the pages it opens:
// each opens its page of the maker's site and nothing else, and no window has a link that the
// table leaves out.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <map>
#include <set>

#include "clickable_label.h"
#include "frmAbout.h"
#include "frmCartomancy.h"
#include "frmManual.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

const QString kPage = QStringLiteral("https://www.kelvane.example/baralune/ssd.php?page=");
constexpr const char* kAboutBox = "(About box)";

struct Link {
  const char* window;
  const char* control;
  const char* caption;  // menu entries only
  const char* page;     // or kAboutBox
};

const Link kLinks[] = {
    {"frmAbout", "lblHomePage", nullptr, "home-page"},
    {"frmAbout", "lblCoBrand", nullptr, "fully-branded"},

    {"frmMain", "mnuVisit", "&Visit Us Online", "home-page"},
    {"frmMain", "mnuOnline", "&Online Help", "help-web-page"},
    {"frmMain", "mnuUpdate", "Check for Software &Update", "download-web-page"},
    {"frmMain", "mnuDonate", "&Donate", "donate"},
    {"frmMain", "mnuAbout", "&About Software", kAboutBox},
    {"frmMain", "Label14", nullptr, "home-page"},
    {"frmMain", "lblFullBrand", nullptr, "fully-branded"},
    {"frmMain", "lblCobrand", nullptr, "co-brand"},

    {"frmManual", "mnuVisit", "&Visit Us Online", "home-page"},
    {"frmManual", "mnuOnline", "&Online Help", "help-web-page"},
    {"frmManual", "mnuUpdate", "Check for Software &Update", "download-web-page"},
    {"frmManual", "mnuDonate", "&Donate", "donate"},
    {"frmManual", "mnuAbout", "&About Software", kAboutBox},
    {"frmManual", "Label14", nullptr, "home-page"},
    {"frmManual", "Label3", nullptr, "home-page"},
    {"frmManual", "Label1", nullptr, "fully-branded"},

    {"MDI", "mnuVisit", "&Visit Us Online", "home-page"},
    {"MDI", "mnuOnline", "&Online Help", "help-web-page"},
    {"MDI", "mnuUpdate", "Check for Software &Update", "download-web-page"},
    {"MDI", "mnuDonate", "&Donate", "donate"},
    {"MDI", "mnuAbout", "&About Software", kAboutBox},
    {"MDI", "lblFullBrand", nullptr, "fully-branded"},
    {"MDI", "lblCobrand", nullptr, "co-brand"},

    {"frmCartomancy", "lblCaptionBottom", nullptr, "home-page"},
};

bool InsideSpreadDisplay(QWidget* widget, QWidget* window) {
  for (; widget != nullptr && widget != window; widget = widget->parentWidget()) {
    if (qobject_cast<frmCartomancy*>(widget) != nullptr) return true;
  }
  return false;
}

class WebLinksTest : public UiTest {
 protected:
  QWidget* Open(const QString& window) {
    if (window == QLatin1String("frmAbout")) {
      auto* box = new frmAbout(OpenMainWindow());
      box->setAttribute(Qt::WA_DeleteOnClose);
      box->show();  // shown modeless, so that the test can click in it
      return box;
    }
    frmMain* main = OpenMainWindow();
    if (window == QLatin1String("frmMain")) return main;
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Rocio"));
    Child<QComboBox>(main, "cboSpread")->setCurrentIndex(3);
    if (window == QLatin1String("frmManual")) {
      Child<QRadioButton>(main, "optManual")->setChecked(true);
    }
    main->cmdCalculate_Click();
    if (window == QLatin1String("frmCartomancy")) {
      MDI* report = Loaded<MDI>("MDI");
      return report != nullptr ? report->SpreadDisplayWindow() : nullptr;
    }
    return FindLoadedWindow(window.toLatin1().constData());
  }

  // Triggers the menu entry, or clicks every member of the label (array), and returns what
  // came of each: the page keys opened, or kAboutBox for a modal About box.
  QStringList Follow(QWidget* window, const Link& link) {
    QStringList results;
    const QString name = QString::fromLatin1(link.control);
    auto collect = [&](const std::function<void()>& act) {
      const std::size_t before = desktop.opened.size();
      bool about = false;
      WithModal(act, [&](QWidget* modal) {
        about = modal->objectName() == QLatin1String("frmAbout");
        modal->close();
      });
      QString result = about ? QString::fromLatin1(kAboutBox) : QString();
      for (std::size_t i = before; i < desktop.opened.size(); ++i) {
        QString page = desktop.opened[i];
        result += page.startsWith(kPage) ? page.mid(kPage.size()) : page;
      }
      results << result;
    };
    if (auto* action = window->findChild<QAction*>(name)) {
      if (link.caption != nullptr) {
        EXPECT_EQ(action->text(), QString::fromLatin1(link.caption));
      }
      collect([action] { action->trigger(); });
      return results;
    }
    const QList<QLabel*> labels = window->findChildren<QLabel*>(name);
    EXPECT_FALSE(labels.isEmpty()) << link.window << " has no " << link.control;
    for (QLabel* label : labels) {
      collect([label] {
        label->raise();  // labels sharing a place take turns in front
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
      });
    }
    return results;
  }
};

TEST_F(WebLinksTest, EveryEntryAndLabelOpensItsPage) {
  for (const Link& link : kLinks) {
    SCOPED_TRACE(std::string(link.window) + "." + link.control);
    QWidget* window = Open(QString::fromLatin1(link.window));
    ASSERT_NE(window, nullptr);
    const QStringList results = Follow(window, link);
    ASSERT_FALSE(results.isEmpty());
    for (const QString& result : results) EXPECT_EQ(result.toStdString(), link.page);
    // Following a link leaves the window as it was.
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(desktop.endProcessCalls, 0);
    QuitProgram();
    FlushDeletes();
    desktop.opened.clear();
    desktop.endProcessCalls = 0;
  }
}

TEST_F(WebLinksTest, NoWindowHasALinkOrHelpEntryTheTableLeavesOut) {
  std::map<QString, std::set<QString>> listed;
  for (const Link& link : kLinks) {
    listed[QString::fromLatin1(link.window)].insert(QString::fromLatin1(link.control));
  }
  for (const auto& [window, controls] : listed) {
    SCOPED_TRACE(window.toStdString());
    QWidget* opened = Open(window);
    ASSERT_NE(opened, nullptr);
    for (ClickableLabel* label : opened->findChildren<ClickableLabel*>()) {
      if (label->isTrayCard()) continue;  // the trays' cards lead nowhere
      // The spread display inside the report window has rows of its own.
      if (window != QLatin1String("frmCartomancy") && InsideSpreadDisplay(label, opened)) continue;
      EXPECT_TRUE(controls.count(label->objectName())) << label->objectName().toStdString();
    }
    // The Help menu and the top-level entries lead out of the program; File is the window's own.
    if (auto* main = qobject_cast<QMainWindow*>(opened)) {
      for (QAction* top : main->menuBar()->actions()) {
        if (top->menu() != nullptr && top->menu()->objectName() != QLatin1String("mnuHelp")) {
          continue;
        }
        const QList<QAction*> entries = top->menu() ? top->menu()->actions() : QList{top};
        for (QAction* entry : entries) {
          // The card guide is the one Help entry that stays within the program.
          if (entry->isSeparator() || entry->objectName() == QLatin1String("mnuCardGuide")) {
            continue;
          }
          EXPECT_TRUE(controls.count(entry->objectName())) << entry->objectName().toStdString();
        }
      }
    }
    QuitProgram();
    FlushDeletes();
  }
}

}  // namespace
}  // namespace baralune::testing
