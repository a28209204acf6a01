// Baralune: fortune telling with the Spanish deck.
#include <QApplication>
#include <QTimer>

#include "command_line.h"
#include "language_choice.h"
#include "language_setting.h"
#include "look.h"
#include "program.h"
#include "seams.h"
#include "shared_palette_style.h"
#include "startup.h"

namespace {

// For the start-up benchmark: ends the program once the main window has been painted.
class QuitWhenPainted : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  // --help and --version answer before anything needs a display.
  const auto request = baralune::ReadCommandLine(argc, argv);
  if (request != baralune::CommandLineRequest::Windows) {
    const QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Baralune"));
    QCoreApplication::setApplicationName(QStringLiteral("Baralune"));
    baralune::ApplyTestEnvironment();
    baralune::ApplyLanguage(baralune::StartingLanguage());
    return baralune::PrintCommandLineAnswer(request);
  }

  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Baralune"));
  QApplication::setApplicationName(QStringLiteral("Baralune"));
  // The menu entry's id; the entry's StartupWMClass is the application's name, which X11 gives
  // the windows as their class.
  QGuiApplication::setDesktopFileName(QStringLiteral(BARALUNE_DESKTOP_ID));
  QApplication::setWindowIcon(baralune::look::ProgramIcon());
  baralune::InstallSharedPaletteStyle();
  baralune::ApplyTestEnvironment();
  // Before the first window and message: they are built in the language chosen.
  baralune::ApplyLanguage(baralune::StartingLanguage());

  const auto lock = baralune::StartUp();
  if (!lock) return 0;  // another instance runs: the message has been shown
  if (qEnvironmentVariableIsSet("BARALUNE_TEST_QUIT_WHEN_SHOWN")) {
    if (QWidget* window = baralune::FindLoadedWindow("frmMain")) {
      window->installEventFilter(new QuitWhenPainted(window));
    }
  }
  return QApplication::exec();
}
