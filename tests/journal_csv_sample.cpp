// Records the names of a JSON array (a file) into a new journal, then exports the journal as CSV
// to a file, as the History does: the shell test reads it back with an independent reader.
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <cstdio>

#include "csv.h"
#include "journal_test_support.h"
#include "safe_output.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: journal_csv_sample NAMES.json OUT.csv\n");
    return 2;
  }
  QFile namesFile(QString::fromLocal8Bit(argv[1]));
  if (!namesFile.open(QIODevice::ReadOnly)) return 1;
  const QJsonArray names = QJsonDocument::fromJson(namesFile.readAll()).array();

  using namespace baralune::journal;
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
  if (!Prepare(path).Writable()) return 1;
  Connection connection(path, false);
  // Oldest first, so the export, newest first, lists them in reverse.
  for (const auto& name : names) {
    if (!Insert(connection.Db(), testing::SampleEntry(name.toString(), 3)).isEmpty()) return 1;
  }
  const std::string csv = ToCsv(LoadList(connection.Db(), {}), baralune::Language::English);
  return baralune::ReplaceFile(argv[2], csv).ok() ? 0 : 1;
}
