#include "program.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <vector>

#include "frmMain.h"
#include "seams.h"

namespace baralune {

namespace {
bool g_quitting = false;

constexpr const char* kUnloaded = "baraluneUnloaded";

bool IsProgramWindow(const QWidget* w) {
  if (w->property(kUnloaded).toBool()) return false;
  const QString name = w->objectName();
  return name == QLatin1String("frmMain") || name == QLatin1String("MDI") ||
         name == QLatin1String("frmManual") || name == QLatin1String("frmAbout") ||
         name == QLatin1String("OwnCardsPicker") || name == QLatin1String("HistoryWindow");
}
}  // namespace

void ReportFailedStep(const std::exception& failure) noexcept {
  qCritical("A step of an event handler failed: %s", failure.what());
  try {
    const QString text = QCoreApplication::translate("Guard", "This could not be done:\n%1")
                             .arg(QString::fromUtf8(failure.what()));
    ShowMessage(QApplication::activeWindow(), text, QMessageBox::Critical);
  } catch (const std::exception& again) {
    qCritical("The failure could not be shown: %s", again.what());
  }
}

frmMain* ShowNewMainWindow() {
  auto* window = new frmMain();
  window->show();
  CenterOnScreen(window);
  return window;
}

frmMain* ShowNewMainWindow(const ReadingDetails& details) {
  auto* window = new frmMain();
  window->RestoreEntries(details);
  window->show();
  CenterOnScreen(window);
  return window;
}

bool QuittingProgram() {
  return g_quitting;
}

void QuitProgram() {
  if (g_quitting) return;
  g_quitting = true;
  std::vector<QPointer<QWidget>> windows;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (IsProgramWindow(w)) windows.emplace_back(w);
  }
  for (const auto& w : windows) {
    Guard([&] {
      if (w) w->close();
    });
  }
  Guard([] { AppSeams().endProcess(); });
  g_quitting = false;
}

void CenterOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

void MarkUnloaded(QWidget* window) {
  window->setProperty(kUnloaded, true);
}

QWidget* FindLoadedWindow(const char* objectName) {
  QWidget* found = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String(objectName) && !w->property(kUnloaded).toBool()) {
      found = w;
    }
  }
  return found;
}

}  // namespace baralune
