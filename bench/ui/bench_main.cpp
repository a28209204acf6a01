// Benchmark main for the windows: one QApplication, offscreen where there is no display.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "seams.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  // No browser, no message box and no end of the process while measuring.
  baralune::AppSeams().openUrl = [](const QUrl&) {};
  baralune::AppSeams().messageBox = [](QWidget*, const QString&, QMessageBox::Icon,
                                       QMessageBox::StandardButtons,
                                       QMessageBox::StandardButton) { return QMessageBox::No; };
  baralune::AppSeams().endProcess = [] {};
  // Readings dealt while measuring are kept in a journal of their own.
  const QTemporaryDir journalDir;
  baralune::AppSeams().journalPath = [&journalDir] {
    return journalDir.filePath(QStringLiteral("journal.sqlite"));
  };
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
