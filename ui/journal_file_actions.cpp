#include "journal_file_actions.h"

#include <QDate>
#include <QDir>
#include <QLocale>

#include "journal_file.h"
#include "journal_transfer.h"
#include "look.h"
#include "save_file.h"
#include "seams.h"
#include "system_error.h"

namespace baralune {

namespace {

using interchange::Refusal;
using interchange::Skip;

QString Filter() {
  return JournalFileActions::tr("Baralune journal (*.jsonl)") + QStringLiteral(";;") +
         JournalFileActions::tr("All files (*)");
}

// Why a whole file was refused, to follow "Nothing was imported from <file>: ".
QString RefusalText(const interchange::ReadResult& read) {
  switch (read.refusal) {
    case Refusal::Empty:
      return JournalFileActions::tr("the file is empty");
    case Refusal::NotThisFormat:
      return JournalFileActions::tr("it is not a Baralune journal file");
    case Refusal::NewerVersion:
      return JournalFileActions::tr(
                 "it was written by a newer Baralune (journal file version %1; this Baralune "
                 "reads version %2)")
          .arg(read.version)
          .arg(interchange::kFormatVersion);
    case Refusal::TooManyRows:
      return JournalFileActions::tr(
          "it holds more than %n reading(s), more than Baralune imports at once", nullptr,
          static_cast<int>(interchange::Limits{}.maxRows));
    case Refusal::TooLarge:
      return JournalFileActions::tr("it is larger than %1 MB, more than Baralune imports at once")
          .arg(interchange::Limits{}.maxBytes / (1024 * 1024));
    case Refusal::None:
      break;
  }
  return {};
}

// One line of the readings skipped for `reason`.
QString SkipText(Skip reason, int n) {
  switch (reason) {
    case Skip::Damaged:
      return JournalFileActions::tr("%n damaged or incomplete", nullptr, n);
    case Skip::BadDate:
      return JournalFileActions::tr("%n with a date that cannot be read", nullptr, n);
    case Skip::UnknownSpread:
      return JournalFileActions::tr("%n with a spread this Baralune does not know", nullptr, n);
    case Skip::UnknownMode:
      return JournalFileActions::tr("%n dealt in a way this Baralune does not know", nullptr, n);
    case Skip::UnknownLanguage:
      return JournalFileActions::tr("%n in a language this Baralune does not know", nullptr, n);
    case Skip::BadCard:
      return JournalFileActions::tr("%n with a card that is not in the deck", nullptr, n);
    case Skip::DuplicateCard:
      return JournalFileActions::tr("%n with the same card in two positions", nullptr, n);
    case Skip::WrongCardCount:
      return JournalFileActions::tr("%n with the wrong number of cards for the spread", nullptr, n);
    case Skip::ControlCharacter:
      return JournalFileActions::tr("%n with control characters in the name or date of birth",
                                    nullptr, n);
    case Skip::NameTooLong:
      return JournalFileActions::tr("%n with a name longer than %1 characters", nullptr, n)
          .arg(QLocale().toString(static_cast<int>(interchange::kMaxNameLength)));
    case Skip::LineTooLong:
      return JournalFileActions::tr("%n with a line too long to be a reading", nullptr, n);
    case Skip::Truncated:
      return JournalFileActions::tr("%n cut short where the file ends", nullptr, n);
  }
  return {};
}

// What an import did, in one message.
QString Summary(const interchange::ReadResult& read, const journal::JournalImport& imported) {
  QString text =
      JournalFileActions::tr("%n reading(s) added to the journal.", nullptr, imported.added);
  if (imported.held > 0) {
    text += QLatin1Char(' ') +
            JournalFileActions::tr("%n reading(s) already in the journal were skipped.", nullptr,
                                   imported.held);
  }
  if (read.SkippedTotal() > 0) {
    text += QLatin1Char('\n') +
            JournalFileActions::tr("%n reading(s) in the file could not be read and were skipped:",
                                   nullptr, read.SkippedTotal());
    for (int r = 0; r < interchange::kSkipReasons; ++r) {
      const auto reason = static_cast<Skip>(r);
      if (read.Skipped(reason) > 0) {
        text += QStringLiteral("\n– ") + SkipText(reason, read.Skipped(reason));
      }
    }
  }
  return text;
}

QString Shown(const QString& path) {
  return QDir::toNativeSeparators(path);
}

}  // namespace

bool JournalFileActions::IsTheJournal(const QString& path) {
  const journal::FileIdentity target = journal::IdentityOf(path);
  if (!target.Known()) return false;
  const QString journalPath = AppSeams().journalPath();
  for (const QString& part :
       {journalPath, journalPath + QStringLiteral("-wal"), journalPath + QStringLiteral("-shm")}) {
    if (journal::IdentityOf(part) == target) return true;
  }
  return false;
}

void JournalFileActions::RefuseExportOverJournal(QWidget* parent, const QString& path) {
  qWarning("History: not exported over the journal itself: %s", qUtf8Printable(path));
  ShowMessage(parent,
              tr("%1 is the journal of readings itself; choose another file.").arg(Shown(path)),
              QMessageBox::Warning);
}

void JournalFileActions::Export(QWidget* parent, QSqlDatabase& db) {
  const QString suggested = tr("Baralune journal %1").arg(AppSeams().today().toString(Qt::ISODate));
  const QString path =
      AskSavePath(parent, tr("Baralune journal (*.jsonl)"), QStringLiteral("jsonl"), suggested);
  if (path.isEmpty()) return;
  if (IsTheJournal(path)) return RefuseExportOverJournal(parent, path);
  const journal::JournalExport exported = journal::ExportJournal(db);
  const QString error =
      exported.failure.isEmpty() ? SaveFile(path, exported.text) : exported.failure;
  if (!error.isEmpty()) {
    qWarning("History: the journal could not be exported: %s", qUtf8Printable(error));
    ShowMessage(parent, tr("The journal could not be exported to %1: %2").arg(Shown(path), error),
                QMessageBox::Warning);
    return;
  }
  RememberSaveFolder(path);
  QString text = tr("%n reading(s) exported to %1.", nullptr, exported.written).arg(Shown(path));
  if (exported.leftOut > 0) {
    text += QLatin1Char(' ') +
            tr("%n reading(s) could not be read and were left out.", nullptr, exported.leftOut);
  }
  ShowMessage(parent, text, exported.leftOut > 0 ? QMessageBox::Warning : QMessageBox::Information);
}

QString JournalFileActions::AskImportPath(QWidget* parent) {
  return AppSeams().openFileName(parent, {look::AppTitle(), Filter(), SaveFolder()});
}

bool JournalFileActions::Import(QWidget* parent, QSqlDatabase& db, const QString& path) {
  auto refuse = [&](const QString& why) {
    qWarning("History: nothing imported from %s: %s", qUtf8Printable(path), qUtf8Printable(why));
    ShowMessage(parent, tr("Nothing was imported from %1: %2").arg(Shown(path), why),
                QMessageBox::Warning);
    return false;
  };
  const journal::JournalFile file = journal::ReadJournalFile(path);
  if (file.notRegular) return refuse(tr("it is not an ordinary file"));
  if (file.error != 0) return refuse(QString::fromStdString(SystemErrorText(file.error)));
  if (file.read.refusal != Refusal::None) return refuse(RefusalText(file.read));

  const journal::JournalImport imported = journal::ImportReadings(db, file.read.readings);
  if (!imported.failure.isEmpty()) return refuse(imported.failure);
  const QString summary = Summary(file.read, imported);
  if (file.read.SkippedTotal() > 0) {
    qWarning("History: from %s: %s", qUtf8Printable(path), qUtf8Printable(summary));
  }
  ShowMessage(parent, summary,
              file.read.SkippedTotal() > 0 ? QMessageBox::Warning : QMessageBox::Information);
  return imported.added > 0;
}

}  // namespace baralune
