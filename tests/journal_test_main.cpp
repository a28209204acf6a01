// Test program of the journal: Qt's SQL drivers need a QCoreApplication. Started with
// BARALUNE_JOURNAL_WRITER=<path> it is instead the writer that a test kills mid-transaction.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

#include "journal_test_support.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString writerPath = qEnvironmentVariable("BARALUNE_JOURNAL_WRITER");
  if (!writerPath.isEmpty()) return baralune::journal::testing::WriteUntilKilled(writerPath);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
