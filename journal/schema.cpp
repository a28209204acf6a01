#include "schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <functional>
#include <vector>

#include "fold.h"
#include "sql_reason.h"

namespace baralune::journal {

namespace {

// Runs `sql`; an empty string or SQLite's reason.
QString Exec(QSqlDatabase& db, const QString& sql) {
  QSqlQuery query(db);
  return query.exec(sql) ? QString() : SqlReason(query.lastError());
}

// 0 -> 1: the readings. The time is kept as milliseconds since the epoch plus the offset from
// UTC in seconds; the cards as one byte per position.
QString ToVersion1(QSqlDatabase& db) {
  return Exec(db, QStringLiteral("CREATE TABLE reading ("
                                 " id INTEGER PRIMARY KEY,"
                                 " dealt INTEGER NOT NULL,"
                                 " utc_offset INTEGER NOT NULL,"
                                 " name TEXT NOT NULL,"
                                 " birth_date TEXT NOT NULL,"
                                 " spread INTEGER NOT NULL,"
                                 " mode INTEGER NOT NULL,"
                                 " cards BLOB NOT NULL)"));
}

// Fills in the name as the search compares it for every reading kept.
QString FoldNames(QSqlDatabase& db) {
  QSqlQuery select(db);
  select.setForwardOnly(true);
  if (!select.exec(QStringLiteral("SELECT id, name FROM reading")))
    return SqlReason(select.lastError());
  QSqlQuery update(db);
  if (!update.prepare(QStringLiteral("UPDATE reading SET name_folded = ? WHERE id = ?"))) {
    return SqlReason(update.lastError());
  }
  while (select.next()) {
    update.bindValue(0, FoldForSearch(select.value(1).toString()));
    update.bindValue(1, select.value(0));
    if (!update.exec()) return SqlReason(update.lastError());
  }
  return {};
}

// 1 -> 2: the name as the search compares it, filled in for the readings already kept.
QString ToVersion2(QSqlDatabase& db) {
  const QString why = Exec(
      db, QStringLiteral("ALTER TABLE reading ADD COLUMN name_folded TEXT NOT NULL DEFAULT ''"));
  return why.isEmpty() ? FoldNames(db) : why;
}

// 2 -> 3: the language the report was written in; every earlier reading was in English.
QString ToVersion3(QSqlDatabase& db) {
  return Exec(db,
              QStringLiteral("ALTER TABLE reading ADD COLUMN language TEXT NOT NULL DEFAULT 'en'"));
}

// 3 -> 4: the names folded again, now fully ("Straße" is found by "strasse").
QString ToVersion4(QSqlDatabase& db) {
  return FoldNames(db);
}

// 4 -> 5: a reading of a reader's own spread keeps that spread as it was dealt, as a spread
// file's text, and its name for the list; the readings of the four have neither.
QString ToVersion5(QSqlDatabase& db) {
  const QString why = Exec(
      db, QStringLiteral("ALTER TABLE reading ADD COLUMN spread_name TEXT NOT NULL DEFAULT ''"));
  return why.isEmpty() ? Exec(db, QStringLiteral("ALTER TABLE reading ADD COLUMN spread_file TEXT"))
                       : why;
}

// 5 -> 6: the reader's notes on a reading, and the same folded as the search compares them.
QString AddNotes(QSqlDatabase& db) {
  QString why =
      Exec(db, QStringLiteral("ALTER TABLE reading ADD COLUMN notes TEXT NOT NULL DEFAULT ''"));
  if (why.isEmpty()) {
    why = Exec(
        db, QStringLiteral("ALTER TABLE reading ADD COLUMN notes_folded TEXT NOT NULL DEFAULT ''"));
  }
  return why;
}

// 6 -> 7: the History lists the newest dealt first; without an index every keystroke of its
// search would sort the whole journal before showing its first page.
QString IndexDealt(QSqlDatabase& db) {
  return Exec(db, QStringLiteral("CREATE INDEX reading_dealt ON reading (dealt, id)"));
}

// Step i brings the schema from version i to version i + 1.
const std::vector<std::function<QString(QSqlDatabase&)>>& Steps() {
  static const std::vector<std::function<QString(QSqlDatabase&)>> steps = {
      ToVersion1, ToVersion2, ToVersion3, ToVersion4, ToVersion5, AddNotes, IndexDealt};
  return steps;
}

}  // namespace

int SchemaVersion(QSqlDatabase& db) {
  QSqlQuery query(db);
  if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) return -1;
  return query.value(0).toInt();
}

QString Migrate(QSqlDatabase& db, int from, int to) {
  if (from < 0 || to > static_cast<int>(Steps().size())) {
    return QStringLiteral("no way from schema version %1 to %2").arg(from).arg(to);
  }
  if (from >= to) return {};
  if (!db.transaction()) return SqlReason(db.lastError());
  QString why;
  for (int version = from; version < to && why.isEmpty(); ++version) {
    why = Steps().at(static_cast<std::size_t>(version))(db);
  }
  if (why.isEmpty())
    why = Exec(db, QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
  if (why.isEmpty()) why = Exec(db, QStringLiteral("PRAGMA user_version = %1").arg(to));
  if (why.isEmpty() && !db.commit()) why = SqlReason(db.lastError());
  if (!why.isEmpty()) db.rollback();
  return why;
}

}  // namespace baralune::journal
