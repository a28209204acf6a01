#include "journal_actions.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QSet>
#include <memory>

#include "history_window.h"
#include "journal_file.h"
#include "program.h"
#include "seams.h"
#include "writer.h"

namespace baralune {

namespace {

const QString kKeepJournal = QStringLiteral("KeepJournal");

QString Tr(const char* text) {
  return QCoreApplication::translate("Journal", text);
}

// What the user has been told about the journal at a path, so each thing is told once.
struct Told {
  QSet<QString> found;    // how the journal was found (set aside, newer, unavailable)
  QSet<QString> notKept;  // a reading could not be kept
  QSet<QString> renewed;  // the journal vanished and a new one was begun
};
Told& AlreadyTold() {
  static Told told;
  return told;
}

QWidget* MessageParent() {
  if (QWidget* report = FindLoadedWindow("MDI")) return report;
  return QApplication::activeWindow();
}

QString CurrentPath() {
  return AppSeams().journalPath ? AppSeams().journalPath() : QString();
}

// Tells how the journal was found, once per journal.
void TellFound(QWidget* parent, const QString& path, const journal::Preparation& found) {
  using Condition = journal::Preparation::Condition;
  if (found.renewed && !AlreadyTold().renewed.contains(path)) {
    AlreadyTold().renewed.insert(path);
    ShowMessage(parent,
                Tr(QT_TRANSLATE_NOOP("Journal",
                                     "The journal of readings at %1 was removed while Baralune "
                                     "was running. A new journal was begun."))
                    .arg(QDir::toNativeSeparators(path)),
                QMessageBox::Warning);
  }
  if (found.condition == Condition::Ready || AlreadyTold().found.contains(path)) return;
  // Busy is said each time: how the journal was found is yet to be told.
  if (!found.busy) AlreadyTold().found.insert(path);
  switch (found.condition) {
    case Condition::SetAside:
      ShowMessage(parent,
                  Tr(QT_TRANSLATE_NOOP(
                         "Journal",
                         "The journal of readings could not be read. It was set aside as %1 and a "
                         "new journal begun."))
                      .arg(QDir::toNativeSeparators(found.setAsidePath)),
                  QMessageBox::Warning);
      break;
    case Condition::ReadOnlyNewer:
      ShowMessage(parent,
                  Tr(QT_TRANSLATE_NOOP(
                      "Journal",
                      "The journal of readings was written by a newer Baralune. It is shown "
                      "read-only and no reading is recorded in it.")),
                  QMessageBox::Information);
      break;
    case Condition::ReadOnly:
      ShowMessage(parent,
                  Tr(QT_TRANSLATE_NOOP("Journal",
                                       "The journal of readings at %1 cannot be written: %2. Its "
                                       "readings are shown, but new readings cannot be kept."))
                      .arg(QDir::toNativeSeparators(path), found.reason),
                  QMessageBox::Warning);
      AlreadyTold().notKept.insert(path);
      break;
    case Condition::Unavailable:
      ShowMessage(
          parent,
          Tr(QT_TRANSLATE_NOOP("Journal", "The journal of readings at %1 could not be opened: %2"))
              .arg(QDir::toNativeSeparators(path), found.reason),
          QMessageBox::Warning);
      // Saying so again at each reading helps nobody.
      if (!found.busy) AlreadyTold().notKept.insert(path);
      break;
    case Condition::Ready:
      break;
  }
}

void TellNotKept(const QString& path, const QString& why) {
  if (AlreadyTold().notKept.contains(path)) return;
  AlreadyTold().notKept.insert(path);
  ShowMessage(MessageParent(),
              Tr(QT_TRANSLATE_NOOP("Journal", "This reading could not be kept in the journal: %1"))
                  .arg(why),
              QMessageBox::Warning);
}

// Reports from the writer's thread, told on the user-interface thread. A report about a
// journal that is no longer the one in use (tests change it) is dropped.
void OnWriterReport(const journal::Writer::Report& report) {
  QMetaObject::invokeMethod(
      qApp,
      [report] {
        if (report.path != CurrentPath()) return;
        if (report.kept) {
          RefreshHistoryWindow();
        } else if (report.failure.isEmpty()) {
          TellFound(MessageParent(), report.path, report.preparation);
        } else {
          TellNotKept(report.path, report.failure);
        }
      },
      Qt::QueuedConnection);
}

std::unique_ptr<journal::Writer>& WriterSlot() {
  static std::unique_ptr<journal::Writer> writer;
  return writer;
}

journal::Writer& AppWriter() {
  auto& writer = WriterSlot();
  if (writer == nullptr) {
    writer = std::make_unique<journal::Writer>(OnWriterReport);
    // The thread ends, with its connection, before Qt's SQL driver goes.
    qAddPostRoutine([] { WriterSlot().reset(); });
  }
  return *writer;
}

}  // namespace

journal::Entry ToEntry(const ReadingDetails& details) {
  journal::Entry entry = details;
  entry.id = 0;  // the journal numbers it
  entry.reopened = false;
  return entry;
}

ReadingDetails FromEntry(const journal::Entry& entry) {
  ReadingDetails details = entry;
  details.reopened = true;
  return details;
}

bool KeepingJournal() {
  return AppSeams().settings()->value(kKeepJournal, true).toBool();
}

void SetKeepingJournal(bool keep) {
  AppSeams().settings()->setValue(kKeepJournal, keep);
}

journal::Writer::Key RecordReading(const ReadingDetails& details) {
  if (details.reopened) return details.id > 0 ? journal::Writer::KeyOf(details.id) : nullptr;
  if (details.hand.empty() || !KeepingJournal()) return nullptr;
  const QString path = CurrentPath();
  if (path.isEmpty()) return nullptr;
  try {
    return AppWriter().Post(path, ToEntry(details));
  } catch (const std::exception& failure) {
    // The journal's writer could not be started.
    ReportFailedStep(
        Tr(QT_TRANSLATE_NOOP("Journal", "This reading could not be kept in the journal: %1")),
        failure);
    return nullptr;
  }
}

void KeepNotes(const journal::Writer::Key& key, const QString& notes) {
  const QString path = CurrentPath();
  if (key == nullptr || path.isEmpty()) return;
  try {
    AppWriter().PostNotes(path, key, notes);
  } catch (const std::exception& failure) {
    // The journal's writer could not be started (a reading shown again has not needed it).
    ReportFailedStep(
        Tr(QT_TRANSLATE_NOOP("Journal", "Your notes could not be kept in the journal: %1")),
        failure);
  }
}

void WaitForJournal() {
  if (WriterSlot() != nullptr) WriterSlot()->WaitUntilIdle();
}

bool PrepareJournalForHistory(QWidget* parent) {
  const QString path = CurrentPath();
  const journal::Preparation found = journal::PrepareOnce(path, nullptr, kJournalWait);
  TellFound(parent, path, found);
  return found.Readable();
}

bool JournalIsWritable() {
  return journal::PrepareOnce(CurrentPath(), nullptr, kJournalWait).Writable();
}

void AddJournalActions(QMainWindow* window, QMenu* file) {
  QAction* history = file->addAction(Tr(QT_TRANSLATE_NOOP("Journal", "&History…")));
  history->setObjectName(QStringLiteral("mnuHistory"));
  history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  QObject::connect(history, &QAction::triggered, window, [window] {
    try {
      ShowHistoryWindow(window);
    } catch (const std::exception& failure) {
      ReportFailedStep(Tr(QT_TRANSLATE_NOOP("Journal", "The History could not be opened:\n%1")),
                       failure);
    }
  });

  QAction* keep = file->addAction(Tr(QT_TRANSLATE_NOOP("Journal", "&Keep a Journal")));
  keep->setObjectName(QStringLiteral("mnuKeepJournal"));
  keep->setCheckable(true);
  // Read when the menu opens, not at start-up; turning it off deletes nothing.
  QObject::connect(file, &QMenu::aboutToShow, keep, [keep] { keep->setChecked(KeepingJournal()); });
  QObject::connect(keep, &QAction::triggered, keep, &SetKeepingJournal);
  file->addSeparator();
}

}  // namespace baralune
