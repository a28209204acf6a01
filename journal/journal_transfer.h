#pragma once
// Moving readings between journals through the journal file (see interchange/): the whole
// journal written out, and a file's readings added to the journal.
#include <QSqlDatabase>
#include <QString>
#include <string>
#include <vector>

#include "entry.h"
#include "journal_format.h"
#include "journal_reader.h"

namespace baralune::journal {

interchange::Reading ToTravelling(const Entry& entry);
Entry FromTravelling(const interchange::Reading& reading);

// Every reading of the journal as a journal file, the oldest first. `leftOut` counts those that
// cannot be shown (see Load); `failure` is SQLite's reason when the list could not be read.
struct JournalExport {
  std::string text;
  int written = 0;
  int leftOut = 0;
  QString failure;
};
JournalExport ExportJournal(QSqlDatabase& db);

// Adds to the journal, in one transaction, the readings it does not hold yet, in their order;
// one it holds (the same moment dealt, name and cards) or that came earlier in `readings` is
// counted as `held`. On `failure` (SQLite's reason) nothing was added.
struct JournalImport {
  int added = 0;
  int held = 0;
  QString failure;
};
JournalImport ImportReadings(QSqlDatabase& db, const std::vector<interchange::Reading>& readings);

// Reads the journal file at `path`. Anything but a regular file is refused unopened for reading
// (a FIFO would wait for ever); `error` is the errno of an open or read that failed.
struct JournalFile {
  interchange::ReadResult read;
  bool notRegular = false;
  int error = 0;
  bool Readable() const { return !notRegular && error == 0; }
};
JournalFile ReadJournalFile(const QString& path, const interchange::Limits& limits = {});

}  // namespace baralune::journal
