// Test program of the windows: one QApplication on the offscreen platform for all tests.
#include <gtest/gtest.h>

#include <QApplication>

#include "shared_palette_style.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Baralune"));
  QApplication::setApplicationName(QStringLiteral("Baralune-tests"));
  baralune::InstallSharedPaletteStyle();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
