#include "program_main.h"

#include <QApplication>

#include "command_line.h"
#include "language_choice.h"
#include "language_setting.h"
#include "look.h"
#include "program.h"
#include "shared_palette_style.h"
#include "startup.h"

namespace baralune {

int RunBaralune(int argc, char** argv, const ProgramHooks& hooks) {
  // --help and --version answer before anything needs a display.
  const auto request = ReadCommandLine(argc, argv);
  if (request != CommandLineRequest::Windows) {
    const QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Baralune"));
    QCoreApplication::setApplicationName(QStringLiteral("Baralune"));
    if (hooks.seamsReady) hooks.seamsReady();
    ApplyLanguage(StartingLanguage());
    return PrintCommandLineAnswer(request);
  }

  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Baralune"));
  QApplication::setApplicationName(QStringLiteral("Baralune"));
  // The menu entry's id; the entry's StartupWMClass is the application's name, which X11 gives
  // the windows as their class.
  QGuiApplication::setDesktopFileName(QStringLiteral(BARALUNE_DESKTOP_ID));
  QApplication::setWindowIcon(look::ProgramIcon());
  InstallSharedPaletteStyle();
  if (hooks.seamsReady) hooks.seamsReady();
  // Before the first window and message: they are built in the language chosen.
  ApplyLanguage(StartingLanguage());

  const auto lock = StartUp();
  if (!lock) return 0;  // another instance runs: the message has been shown
  if (hooks.shown) hooks.shown(FindLoadedWindow("frmMain"));
  return QApplication::exec();
}

}  // namespace baralune
