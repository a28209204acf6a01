#pragma once
#include <QCoreApplication>
#include <QString>

class QSqlDatabase;
class QWidget;

namespace baralune {

// Export Journal… and Import Journal…: the journal carried to another machine or edition in a
// journal file, and such a file's readings added to this journal.
class JournalFileActions {
  Q_DECLARE_TR_FUNCTIONS(JournalFileActions)

 public:
  // Writes every reading of `db` to a journal file the user picks.
  static void Export(QWidget* parent, QSqlDatabase& db);
  // Whether `path` names the journal's own database, its write-ahead log or its shared memory,
  // which an export written there would destroy.
  static bool IsTheJournal(const QString& path);
  // Says that an export to `path`, the journal itself, was not written.
  static void RefuseExportOverJournal(QWidget* parent, const QString& path);
  // Asks for the journal file to import; empty when the user cancelled.
  static QString AskImportPath(QWidget* parent);
  // Adds the readings of the journal file at `path` to `db`, all of them or none, and says in
  // one message how many were added and skipped, and why. True when any was added.
  static bool Import(QWidget* parent, QSqlDatabase& db, const QString& path);
};

}  // namespace baralune
