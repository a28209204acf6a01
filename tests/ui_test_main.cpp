// Test program of the windows: one QApplication on the offscreen platform for all tests.
// Started with BARALUNE_NOTES_TYPIST=<folder> it is instead the program a notes test kills.
#include <gtest/gtest.h>

#include <QApplication>

#include "shared_palette_style.h"

namespace {

QtMessageHandler g_qtHandler = nullptr;

// A critical log line is a failure the program met: it fails the test that caused it.
void FailOnCritical(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtCriticalMsg) ADD_FAILURE() << "critical log line: " << text.toStdString();
  if (g_qtHandler != nullptr) g_qtHandler(type, context, text);
}

}  // namespace

namespace baralune::testing {
// The program a notes test kills: see ui_notes_test.cpp.
int TypeNotesUntilKilled(const QString& dir);
}  // namespace baralune::testing

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Baralune"));
  QApplication::setApplicationName(QStringLiteral("Baralune-tests"));
  baralune::InstallSharedPaletteStyle();
  const QString typist = qEnvironmentVariable("BARALUNE_NOTES_TYPIST");
  if (!typist.isEmpty()) return baralune::testing::TypeNotesUntilKilled(typist);
  g_qtHandler = qInstallMessageHandler(FailOnCritical);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
