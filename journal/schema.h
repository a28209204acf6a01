#pragma once
#include <QSqlDatabase>
#include <QString>

namespace baralune::journal {

// 'BRLN': marks a database as Baralune's journal, so another program's SQLite file is told apart.
inline constexpr int kApplicationId = 0x42524C4E;
// PRAGMA user_version of the journal this Baralune writes.
inline constexpr int kSchemaVersion = 7;

// Brings `db` from schema `from` up to `to`, one step at a time, in one transaction, and sets
// its version. Returns an empty string or SQLite's reason.
QString Migrate(QSqlDatabase& db, int from, int to = kSchemaVersion);

// The schema version of `db`, or -1 if it cannot be read.
int SchemaVersion(QSqlDatabase& db);

}  // namespace baralune::journal
