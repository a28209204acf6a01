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
         name == QLatin1String("OwnCardsPicker") || name == QLatin1String("HistoryWindow") ||
         name == QLatin1String("SpreadEditor");
}
}  // namespace

void ReportFailedStep(const QString& failedText, const std::exception& failure) noexcept {
  try {
    const QString reason = QString::fromUtf8(failure.what());
    qCritical("%s", qUtf8Printable(failedText.arg(reason)));
    ShowMessage(QApplication::activeWindow(), failedText.arg(reason), QMessageBox::Critical);
  } catch (const std::exception& again) {
    qCritical("A failure could not be told: %s (%s)", failure.what(), again.what());
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

bool QuitProgram() {
  if (g_quitting) return true;
  // A spread editor holding unsaved changes asks first: kept open, it keeps the program going.
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (IsProgramWindow(w) && w->objectName() == QLatin1String("SpreadEditor") && !w->close()) {
      return false;
    }
  }
  g_quitting = true;
  std::vector<QPointer<QWidget>> windows;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (IsProgramWindow(w)) windows.emplace_back(w);
  }
  for (const auto& w : windows) {
    if (w) w->close();
  }
  AppSeams().endProcess();
  g_quitting = false;
  return true;
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
