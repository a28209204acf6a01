#pragma once
#include <QString>
#include <chrono>

#include "entry.h"
#include "reading_details.h"
#include "writer.h"

class QMainWindow;
class QMenu;
class QWidget;

namespace baralune {

// Adds "&History…" (Ctrl+H), the checkable "&Keep a Journal" and a separator to `file`.
void AddJournalActions(QMainWindow* window, QMenu* file);

// Whether readings are recorded (File > Keep a Journal; on unless turned off).
bool KeepingJournal();
void SetKeepingJournal(bool keep);

// Records a reading just shown, unless it was shown again from the journal or recording is off.
// The writing happens on another thread; trouble is told once, in a message box, afterwards.
// Returns the key its notes are kept under: the reading's own number when it was shown again,
// null when it is not kept.
journal::Writer::Key RecordReading(const ReadingDetails& details);
// Keeps `notes` with the reading of `key`, on the writer's thread, after the reading itself.
void KeepNotes(const journal::Writer::Key& key, const QString& notes);
// Returns once the readings recorded so far are written (for tests and benchmarks).
void WaitForJournal();

// The longest the windows wait on the journal at a time: for the writer's thread to finish
// preparing it, or for a lock on it.
inline constexpr std::chrono::milliseconds kJournalWait{2000};

// Opens the journal for the History on this thread and tells the user, once, how it was found
// if it was not in order. False when it cannot be read at all.
bool PrepareJournalForHistory(QWidget* parent);
// Whether new readings are kept into the journal (not one of a newer Baralune).
bool JournalIsWritable();

// The record the journal is given for `details` (unnumbered), and a kept one to show again.
journal::Entry ToEntry(const ReadingDetails& details);
ReadingDetails FromEntry(const journal::Entry& entry);

}  // namespace baralune
