#pragma once
// Fakes for the desktop seams and helpers shared by the window tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "MDI.h"
#include "frmMain.h"
#include "frmManual.h"
#include "history_window.h"
#include "journal_actions.h"
#include "program.h"
#include "seams.h"

namespace baralune::testing {

struct Message {
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton;
  QString action;  // the button that goes ahead, in a confirmation
};

// Replaces every seam with a recording fake; restores the real ones when destroyed.
class FakeDesktop {
 public:
  FakeDesktop() {
    Seams& s = AppSeams();
    s.messageBox = [this](QWidget*, const QString& text, QMessageBox::Icon icon,
                          QMessageBox::StandardButtons buttons,
                          QMessageBox::StandardButton defaultButton) {
      messages.push_back({text, icon, buttons, defaultButton, {}});
      return buttons.testFlag(answer) ? answer : QMessageBox::Ok;
    };
    // A confirmation goes ahead when the answer is Yes.
    s.confirm = [this](QWidget*, const QString& text, const QString& action) {
      messages.push_back({text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::Cancel,
                          QMessageBox::Cancel, action});
      return answer == QMessageBox::Yes;
    };
    s.saveFileName = [this](QWidget*, const SaveDialogRequest& request) {
      saveRequests.push_back(request);
      return saveAnswer;
    };
    s.openFileName = [this](QWidget*, const OpenDialogRequest& request) {
      openRequests.push_back(request);
      return openAnswer;
    };
    s.print = [this](QWidget*, const PagePainter& paint, const QString& title) {
      printTitles.push_back(title);
      return print(paint);
    };
    s.printPreview = [this](QWidget*, const PagePainter& paint, const QString& title) {
      printTitles.push_back(title);
      preview(paint);
    };
    s.openUrl = [this](const QUrl& url) { opened.push_back(url.toString()); };
    s.today = [this] { return today; };
    s.settings = [this] {
      return std::make_unique<QSettings>(dir.filePath(QStringLiteral("settings.ini")),
                                         QSettings::IniFormat);
    };
    s.journalPath = [this] { return dir.filePath(QStringLiteral("journal.sqlite")); };
    // The pause ends at once.
    s.pause = [this](QObject*, int ms, const std::function<void()>& then) {
      pauses.push_back(ms);
      then();
    };
    s.endProcess = [this] { ++endProcessCalls; };
  }
  ~FakeDesktop() { AppSeams() = RealSeams(); }
  FakeDesktop(const FakeDesktop&) = delete;
  FakeDesktop& operator=(const FakeDesktop&) = delete;

  QTemporaryDir dir;
  std::vector<Message> messages;
  QMessageBox::StandardButton answer = QMessageBox::Ok;
  std::vector<SaveDialogRequest> saveRequests;
  QString saveAnswer;
  std::vector<OpenDialogRequest> openRequests;
  QString openAnswer;
  // What the print dialog does: by default the user cancels it.
  std::function<QString(const PagePainter&)> print = [](const PagePainter&) { return QString(); };
  std::function<void(const PagePainter&)> preview = [](const PagePainter&) {};
  std::vector<QString> printTitles;  // of the documents printed or previewed
  std::vector<QString> opened;
  QDate today{2026, 6, 15};
  std::vector<int> pauses;
  int endProcessCalls = 0;
};

// Lets Qt delete the windows that were closed.
inline void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Runs `open`, and `step` on the modal window that `open` brings up, once the event loop of the
// modal window is running (`step` must close it). True when a new modal window came up.
inline bool WithModal(const std::function<void()>& open,
                      const std::function<void(QWidget*)>& step) {
  QWidget* const before = QApplication::activeModalWidget();
  bool seen = false;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == before) return;
    seen = true;
    step(modal);
  });
  open();
  QCoreApplication::processEvents();  // the timer fires here if nothing modal came up
  return seen;
}

template <typename Window>
Window* Loaded(const char* name) {
  return qobject_cast<Window*>(FindLoadedWindow(name));
}

// Opens the History's current reading, as Enter does; the report window it shows, or null.
inline MDI* OpenCurrentReading(HistoryWindow* history) {
  QTest::keyClick(history->Table(), Qt::Key_Return);
  FlushDeletes();
  return Loaded<MDI>("MDI");
}

// Every test starts with no windows and fake seams, and leaves no windows behind.
class UiTest : public ::testing::Test {
 protected:
  void TearDown() override {
    WaitForJournal();  // nothing written into the test's folder once it is gone
    QuitProgram();
    FlushDeletes();
  }

  frmMain* OpenMainWindow() { return ShowNewMainWindow(); }

  template <typename T>
  static T* Child(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  // Fills in a valid request on the main window and deals it in Automatic mode.
  MDI* DealAutomatic(frmMain* main, int spread, const QString& name = QStringLiteral("Maria")) {
    Child<QLineEdit>(main, "txtName")->setText(name);
    Child<QComboBox>(main, "cboSpread")->setCurrentIndex(spread);
    main->cmdCalculate_Click();
    return Loaded<MDI>("MDI");
  }

  // Deals a valid request in Manual mode on a fresh main window and returns the tray.
  frmManual* OpenManualWindow(int spread) {
    frmMain* main = OpenMainWindow();
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Lucia"));
    Child<QComboBox>(main, "cboSpread")->setCurrentIndex(spread);
    Child<QRadioButton>(main, "optManual")->setChecked(true);
    main->cmdCalculate_Click();
    return Loaded<frmManual>("frmManual");
  }

  FakeDesktop desktop;
};

}  // namespace baralune::testing
