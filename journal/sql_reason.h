#pragma once
#include <QSqlError>
#include <QString>

namespace baralune::journal {

// Why the database refused, for a message that says what failed: SQLite's own words, which
// are English in every language, introduced as such in the reader's language. Never empty,
// so a failure is never taken for success.
QString SqlReason(const QSqlError& error);

}  // namespace baralune::journal
