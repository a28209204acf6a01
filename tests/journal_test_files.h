#pragma once
// Files for the journal tests to look at, damage and count, and the fixture that holds them.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "journal_test_support.h"

namespace baralune::journal::testing {

inline QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// A raw database for a test to fill: connections never make the file themselves.
inline QString NewFile(const QString& path) {
  QFile(path).open(QIODevice::WriteOnly);
  return path;
}

inline int Count(const QString& path) {
  Connection connection(path, true);
  return static_cast<int>(LoadList(connection.Db(), {}).size());
}

class JournalTest : public ::testing::Test {
 protected:
  QString Path() const { return m_dir.filePath(QStringLiteral("journal.sqlite")); }
  QTemporaryDir m_dir;
};

}  // namespace baralune::journal::testing
