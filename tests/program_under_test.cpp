// Baralune as the whole-process tests and the start-up benchmark run it: the program itself, with
// its seams pointed at test places by the environment. Only the tests build this; the shipped
// program reads none of it.
//  BARALUNE_TEST_DIR           settings, the journal and the instance lock go there, and addresses
//                              are printed to standard error ("open: <url>") instead of opening
//                              a browser;
//  BARALUNE_TEST_AUTOANSWER    message boxes print "message: <text>" to standard error and return
//                              at once: Yes if the value is "yes" and Yes is offered, otherwise
//                              No if offered, otherwise OK;
//  BARALUNE_TEST_QUIT_WHEN_SHOWN  the program ends once the main window has been painted.
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cstdio>
#include <memory>

#include "program_main.h"
#include "seams.h"

namespace {

// Ends the program once the main window has been painted.
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

void ApplyTestEnvironment() {
  const QString dir = qEnvironmentVariable("BARALUNE_TEST_DIR");
  if (!dir.isEmpty()) {
    baralune::AppSeams().settings = [dir] {
      return std::make_unique<QSettings>(QDir(dir).filePath(QStringLiteral("settings.ini")),
                                         QSettings::IniFormat);
    };
    baralune::AppSeams().journalPath = [dir] {
      return QDir(dir).filePath(QStringLiteral("journal.sqlite"));
    };
    baralune::AppSeams().openUrl = [](const QUrl& url) {
      std::fprintf(stderr, "open: %s\n", url.toString().toUtf8().constData());
    };
  }
  if (qEnvironmentVariableIsSet("BARALUNE_TEST_AUTOANSWER")) {
    const bool yes = qEnvironmentVariable("BARALUNE_TEST_AUTOANSWER") == QStringLiteral("yes");
    baralune::AppSeams().messageBox = [yes](QWidget*, const QString& text, QMessageBox::Icon,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton) {
      std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
      std::fflush(stderr);
      if (yes && buttons.testFlag(QMessageBox::Yes)) return QMessageBox::Yes;
      if (buttons.testFlag(QMessageBox::No)) return QMessageBox::No;
      return QMessageBox::Ok;
    };
    baralune::AppSeams().confirm = [yes](QWidget*, const QString& text, const QString&) {
      std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
      std::fflush(stderr);
      return yes;
    };
  }
}

}  // namespace

int main(int argc, char** argv) {
  // The instance lock follows the runtime folder, as for any user.
  const QByteArray dir = qgetenv("BARALUNE_TEST_DIR");
  if (!dir.isEmpty()) qputenv("XDG_RUNTIME_DIR", dir);
  baralune::ProgramHooks hooks;
  hooks.seamsReady = ApplyTestEnvironment;
  if (qEnvironmentVariableIsSet("BARALUNE_TEST_QUIT_WHEN_SHOWN")) {
    hooks.shown = [](QWidget* window) {
      if (window != nullptr) window->installEventFilter(new QuitWhenPainted(window));
    };
  }
  return baralune::RunBaralune(argc, argv, hooks);
}
