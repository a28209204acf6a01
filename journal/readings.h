#pragma once
#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "entry.h"

class QSqlQuery;

namespace baralune::journal {

// Keeps `entry` in one transaction, and sets `id` to the number it was given. Returns an empty
// string or SQLite's reason.
QString Insert(QSqlDatabase& db, const Entry& entry, std::int64_t* id = nullptr);
// Keeps all of `entries` in one transaction, or none of them. Returns an empty string or
// SQLite's reason.
QString InsertAll(QSqlDatabase& db, std::span<const Entry> entries);

// The reading kept under `id`, if there is one that can be shown (a known spread, or a sound
// spread of the reader's own kept with it; its number of cards, each a card of the deck).
std::optional<Entry> Load(QSqlDatabase& db, std::int64_t id);

// Removes the readings of `ids` in one transaction. Returns an empty string or SQLite's reason.
QString Remove(QSqlDatabase& db, const std::vector<std::int64_t>& ids);

// Keeps `notes` as the reader's notes on the reading `id`. Returns an empty string or SQLite's
// reason (a reading no longer kept is one).
QString SetNotes(QSqlDatabase& db, std::int64_t id, const QString& notes);

// The readings whose name or notes contain `search` (compared folded), newest dealt first (ties:
// the later kept first), as the History lists them. Columns: id, dealt, utc_offset, name,
// birth_date, spread, mode, language, spread_name (of a reader's own spread, else empty), whether
// it has notes.
enum ListColumn {
  kId,
  kDealt,
  kUtcOffset,
  kName,
  kBirthDate,
  kSpread,
  kMode,
  kLanguage,
  kSpreadName,
  kHasNotes,
  kListColumns
};
bool SelectList(QSqlQuery& query, const QString& search);
// The same readings, only what their statistics need. Columns: dealt, utc_offset, spread,
// cards (one byte a position).
enum ListedCardsColumn { kCardsDealt, kCardsUtcOffset, kCardsSpread, kCards };
bool SelectListedCards(QSqlQuery& query, const QString& search);

// The readings SelectList gives, whole, for export. `leftOut` counts those that cannot be shown
// (see Load); `failure` is SQLite's reason when the list could not be read at all.
std::vector<Entry> LoadList(QSqlDatabase& db, const QString& search, int* leftOut = nullptr,
                            QString* failure = nullptr);
// Every reading, whole, in the order they were kept (oldest first), as a journal file lists them.
std::vector<Entry> LoadAsAdded(QSqlDatabase& db, int* leftOut = nullptr,
                               QString* failure = nullptr);

// The time kept for a reading as the local time it was dealt, with its offset.
QDateTime DealtTime(std::int64_t msecsSinceEpoch, int utcOffsetSeconds);

}  // namespace baralune::journal
