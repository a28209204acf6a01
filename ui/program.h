#pragma once
#include <exception>

class QWidget;

namespace baralune {

class frmMain;
class MDI;
struct ReadingDetails;

// Says that a step of an event handler failed: a critical line in the log, and a message to
// the user over the active window.
void ReportFailedStep(const std::exception& failure) noexcept;

// Runs one step of an event handler. A step that fails is said, and the handler goes on with
// its next step.
template <typename Step>
void Guard(Step&& step) noexcept {
  try {
    step();
  } catch (const std::exception& failure) {
    ReportFailedStep(failure);
  }
}

// Creates a main window with its defaults, shows it centred and returns it.
frmMain* ShowNewMainWindow();
// The same, with the name, date of birth, spread and mode of `details` entered.
frmMain* ShowNewMainWindow(const ReadingDetails& details);

// Unloads every loaded window, then ends the process (through the end-of-process seam).
void QuitProgram();
// True while QuitProgram is unloading the windows.
bool QuittingProgram();

// Puts a top-level window in the middle of its screen.
void CenterOnScreen(QWidget* window);

// Called when a window's close is accepted: from then on it no longer counts as loaded,
// although Qt deletes it only when control returns to the event loop.
void MarkUnloaded(QWidget* window);

// The window of that name among the loaded top-level windows, if any (the newest one).
QWidget* FindLoadedWindow(const char* objectName);

}  // namespace baralune
