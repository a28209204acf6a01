// The About box: its layout, and closing it with OK, Enter or Esc from every window that
// offers it.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "frmAbout.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

class AboutTest : public UiTest {
 protected:
  // Opens the main window, or goes from it to the manual or the report window.
  QWidget* OpenCaller(const char* name) {
    frmMain* main = OpenMainWindow();
    if (qstrcmp(name, "frmMain") == 0) return main;
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Ana"));
    Child<QComboBox>(main, "cboSpread")->setCurrentIndex(0);
    if (qstrcmp(name, "frmManual") == 0) Child<QRadioButton>(main, "optManual")->setChecked(true);
    main->cmdCalculate_Click();
    return FindLoadedWindow(name);
  }
};

TEST_F(AboutTest, IsLaidOutAsAFixedModalDialog) {
  frmMain* owner = OpenMainWindow();
  frmAbout box(owner);
  EXPECT_EQ(box.windowTitle(), QStringLiteral("Baralune v1.15"));
  EXPECT_TRUE(box.isModal());
  EXPECT_EQ(box.size(), QSize(469, 234));
  EXPECT_EQ(box.minimumSize(), box.maximumSize());
  EXPECT_FALSE(box.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(box.windowFlags() & Qt::WindowMaximizeButtonHint);

  EXPECT_EQ(Child<QLabel>(&box, "Label2")->text(), QStringLiteral("Baralune v1.15"));

  // Two sentences: the Spanish deck as a way of reading the cards, and what Baralune offers.
  const QString description = Child<QLabel>(&box, "Label1")->text();
  EXPECT_EQ(description.count(QStringLiteral(". ")) + description.endsWith(QLatin1Char('.')), 2);
  EXPECT_TRUE(description.startsWith(QStringLiteral("La Baraja Española, the Spanish deck")));
  EXPECT_TRUE(description.contains(QStringLiteral("tarot")));
  EXPECT_TRUE(description.contains(QStringLiteral("solutions to your problems")));
  EXPECT_TRUE(description.contains(QStringLiteral("future")));

  EXPECT_EQ(Child<QLabel>(&box, "lblHomePage")->text(),
            QStringLiteral("Click here to visit www.kelvane.example"));
  EXPECT_EQ(Child<QLabel>(&box, "lblCoBrand")->text(),
            QStringLiteral("Click here for more details."));
  auto* ok = Child<QPushButton>(&box, "cmdOK");
  EXPECT_EQ(ok->geometry(), QRect(383, 208, 84, 23));
  EXPECT_TRUE(ok->isDefault());
}

TEST_F(AboutTest, EnterEscAndOkCloseItAndTheCallerIsUsableAgain) {
  struct Way {
    const char* name;
    std::function<void(QWidget*)> close;
  };
  // Keys go where the focus is in the box, as typed.
  auto key = [](Qt::Key k, Qt::KeyboardModifiers mods = {}) {
    return [k, mods](QWidget* box) {
      QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, k, mods);
    };
  };
  const Way ways[] = {{"Enter", key(Qt::Key_Return)},
                      {"keypad Enter", key(Qt::Key_Enter, Qt::KeypadModifier)},
                      {"Esc", key(Qt::Key_Escape)},
                      {"OK", [](QWidget* box) {
                         QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                                           Qt::LeftButton);
                       }}};
  for (const char* window : {"frmMain", "frmManual", "MDI"}) {
    for (const Way& way : ways) {
      SCOPED_TRACE(std::string(window) + ", " + way.name);
      QWidget* caller = OpenCaller(window);
      ASSERT_NE(caller, nullptr);
      auto* about = caller->findChild<QAction*>(QStringLiteral("mnuAbout"));
      ASSERT_NE(about, nullptr);
      EXPECT_EQ(about->text(), QStringLiteral("&About Software"));

      bool wasOpen = false;
      const bool modal = WithModal([&] { about->trigger(); },
                                   [&](QWidget* box) {
                                     wasOpen = box->objectName() == QLatin1String("frmAbout") &&
                                               box->isVisible() && box->isModal() &&
                                               FindLoadedWindow("frmAbout") == box;
                                     way.close(box);
                                   });
      EXPECT_TRUE(modal);
      EXPECT_TRUE(wasOpen);
      // Closed and unloaded; the caller takes input again.
      EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
      EXPECT_EQ(FindLoadedWindow("frmAbout"), nullptr);
      EXPECT_EQ(FindLoadedWindow(window), caller);
      EXPECT_TRUE(caller->isEnabled());
      EXPECT_EQ(desktop.endProcessCalls, 0);
      QuitProgram();
      FlushDeletes();
      desktop.endProcessCalls = 0;
    }
  }
}

TEST_F(AboutTest, ItsLinksLeaveItOpenEvenWithoutABrowser) {
  AppSeams().openUrl = [](const QUrl&) {};  // nothing answers
  frmAbout box(OpenMainWindow());
  box.show();
  for (const char* link : {"lblHomePage", "lblCoBrand"}) {
    QTest::mouseClick(Child<QLabel>(&box, link), Qt::LeftButton, {}, QPoint(5, 5));
  }
  EXPECT_TRUE(box.isVisible());
  EXPECT_TRUE(desktop.messages.empty());
  EXPECT_EQ(FindLoadedWindow("frmAbout"), &box);
}

}  // namespace
}  // namespace baralune::testing
