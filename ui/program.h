#pragma once
#include <exception>

class QString;
class QWidget;

namespace baralune {

class frmMain;
class MDI;
struct ReadingDetails;

// Says that an action the user asked for failed: a critical line in the log, and a message over
// the active window. `failedText` names the action, with %1 for the reason: "The report could
// not be saved:\n%1".
void ReportFailedStep(const QString& failedText, const std::exception& failure) noexcept;

// Creates a main window with its defaults, shows it centred and returns it.
frmMain* ShowNewMainWindow();
// The same, with the name, date of birth, spread and mode of `details` entered.
frmMain* ShowNewMainWindow(const ReadingDetails& details);

// Unloads every loaded window, then ends the process (through the end-of-process seam). False,
// with nothing closed, when the reader keeps a window with unsaved changes open.
bool QuitProgram();
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
