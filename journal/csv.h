#pragma once
#include <QSqlDatabase>
#include <QString>
#include <string>
#include <vector>

#include "entry.h"
#include "language.h"

namespace baralune::journal {

// The readings as CSV, spreads and cards named in `language` (RFC 4180, UTF-8, CRLF line ends): a
// header row date,name,birth_date,spread,mode,cards,notes, dates in ISO 8601, the cards' names
// joined by " | ", the reader's notes as typed. The mode is a key in any language: automatic,
// manual or own_cards. A cell that a spreadsheet would take for a formula (it begins with =, +, -,
// @, a tab or a carriage return) gets a leading apostrophe, so that it is shown as text and never
// run.
std::string ToCsv(const std::vector<Entry>& entries, Language language);

// The readings the History lists for `search`, as CSV, and how many of them could not be read
// and were left out. `failure` is set when the list itself could not be read.
struct CsvExport {
  std::string csv;
  int leftOut = 0;
  QString failure;
};
CsvExport ExportCsv(QSqlDatabase& db, const QString& search, Language language);

}  // namespace baralune::journal
