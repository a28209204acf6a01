#include "sql_reason.h"

#include <QCoreApplication>

namespace baralune::journal {

QString SqlReason(const QSqlError& error) {
  // Qt's driver text ("Unable to fetch row") adds nothing to the sentence around the reason.
  QString words = error.databaseText().trimmed();
  if (words.isEmpty()) words = error.text().trimmed();
  if (words.isEmpty()) {
    return QCoreApplication::translate("Journal", "the database gave no reason");
  }
  return QCoreApplication::translate("Journal", "SQLite reported: %1").arg(words);
}

}  // namespace baralune::journal
