// Baralune's start: the command line, the application, the windows. The shipped program runs it
// as it is; the tests' own build of the program passes hooks to reach the seams.
#pragma once

#include <functional>

class QWidget;

namespace baralune {

struct ProgramHooks {
  std::function<void()> seamsReady;                // the seams may be replaced now
  std::function<void(QWidget* mainWindow)> shown;  // the first main window is up
};

int RunBaralune(int argc, char** argv, const ProgramHooks& hooks = {});

}  // namespace baralune
