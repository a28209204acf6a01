#include "readings.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "catalogue.h"
#include "fold.h"
#include "spread_file.h"
#include "sql_reason.h"

namespace baralune::journal {

namespace {

// The list's columns, in the order of ListColumn.
const QString kListColumnsSql = QStringLiteral(
    "id, dealt, utc_offset, name, birth_date, spread, mode, language, spread_name, notes <> ''");
const QString kListSql =
    QStringLiteral("SELECT ") + kListColumnsSql +
    QStringLiteral(
        "%1 FROM reading"
        " WHERE ? = '' OR instr(name_folded, ?) > 0 OR instr(notes_folded, ?) > 0"
        " ORDER BY %2");

// Newest dealt first, as the History lists them; a journal imported from elsewhere keeps the
// time its readings were dealt, not the order they arrived in.
const QString kNewestDealt = QStringLiteral("dealt DESC, id DESC");
// The order readings were kept in, which a journal file keeps so that importing a file and
// exporting it again gives the same file.
const QString kAsAdded = QStringLiteral("id");

// The columns after the list's own where a whole reading is read.
const QString kWholeColumns = QStringLiteral(", cards, spread_file, notes");
constexpr int kCardsColumn = kListColumns;
constexpr int kSpreadFileColumn = kListColumns + 1;
constexpr int kNotesColumn = kListColumns + 2;

// A text bound as such: a null QString would be bound as NULL.
QString NotNull(const QString& text) {
  return text.isNull() ? QStringLiteral("") : text;
}

QByteArray PackCards(const std::vector<CardIndex>& hand) {
  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(hand.size()));
  for (CardIndex card : hand) bytes.append(static_cast<char>(card));
  return bytes;
}

// The reader's own spread kept with a reading, if sound.
std::shared_ptr<const SpreadDefinition> KeptSpread(const QVariant& file) {
  const QByteArray text = file.toString().toUtf8();
  interchange::SpreadFileResult read = interchange::ReadSpreadFile(
      std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
  if (!read.spread) return nullptr;
  return std::make_shared<const SpreadDefinition>(std::move(*read.spread));
}

// The reading in a row of the list with kWholeColumns after it.
std::optional<Entry> FromRow(const QSqlQuery& query) {
  Entry entry;
  entry.id = query.value(kId).toLongLong();
  entry.dealt = DealtTime(query.value(kDealt).toLongLong(), query.value(kUtcOffset).toInt());
  entry.name = query.value(kName).toString();
  entry.birthDate = query.value(kBirthDate).toString();
  // A language this version does not know is read in English rather than hidden.
  entry.language = query.value(kLanguage).toString() == QLatin1String("es") ? Language::Spanish
                                                                            : Language::English;
  const int spread = query.value(kSpread).toInt();
  const int mode = query.value(kMode).toInt();
  entry.notes = query.value(kNotesColumn).toString();
  const QByteArray cards = query.value(kCardsColumn).toByteArray();
  if (spread == kOwnSpread) {
    entry.own = KeptSpread(query.value(kSpreadFileColumn));
    if (!entry.own) return std::nullopt;
  }
  const qsizetype positions = entry.own ? static_cast<qsizetype>(entry.own->positions.size())
                                        : SpreadOf(static_cast<SpreadIndex>(spread)).cards;
  if (spread < 0 || spread > kOwnSpread || mode < 0 || mode > 2 || cards.size() != positions) {
    return std::nullopt;
  }
  entry.spread = static_cast<SpreadIndex>(spread);
  entry.mode = static_cast<DealMode>(mode);
  for (const char byte : cards) {
    const auto card = static_cast<unsigned char>(byte);
    if (card >= kDeckSize) return std::nullopt;
    entry.hand.push_back(static_cast<CardIndex>(card));
  }
  return entry;
}

// Ends the open transaction: committed when `why` is empty and the commit succeeds, otherwise
// rolled back. Returns the reason it was not kept, or an empty string.
QString Finish(QSqlDatabase& db, QString why) {
  if (why.isEmpty() && !db.commit()) why = SqlReason(db.lastError());
  if (!why.isEmpty()) db.rollback();
  return why;
}

// Runs the History's list with `extraColumns` after its own, or `sql` made of it: one filter
// for the table, the export and the statistics alike.
bool RunList(QSqlQuery& query, const QString& search, const QString& extraColumns,
             const QString& sql = {}, const QString& order = kNewestDealt) {
  const QString needle = FoldForSearch(search);
  if (!query.prepare(sql.isEmpty() ? kListSql.arg(extraColumns, order) : sql)) return false;
  for (int i = 0; i < 3; ++i) query.addBindValue(needle);
  return query.exec();
}

// Keeps `entries` in one transaction; `lastId`, if given, gets the last one's number.
QString InsertRows(QSqlDatabase& db, std::span<const Entry> entries, std::int64_t* lastId);

}  // namespace

QDateTime DealtTime(std::int64_t msecsSinceEpoch, int utcOffsetSeconds) {
  return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::OffsetFromUTC, utcOffsetSeconds);
}

QString Insert(QSqlDatabase& db, const Entry& entry, std::int64_t* id) {
  return InsertRows(db, std::span(&entry, 1), id);
}

QString InsertAll(QSqlDatabase& db, std::span<const Entry> entries) {
  return InsertRows(db, entries, nullptr);
}

namespace {

QString InsertRows(QSqlDatabase& db, std::span<const Entry> entries, std::int64_t* lastId) {
  if (!db.transaction()) return SqlReason(db.lastError());
  QSqlQuery query(db);
  if (!query.prepare(QStringLiteral(
          "INSERT INTO reading (dealt, utc_offset, name, birth_date, spread, mode, cards,"
          " name_folded, language, spread_name, spread_file, notes, notes_folded)"
          " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))) {
    return Finish(db, SqlReason(query.lastError()));
  }
  for (const Entry& entry : entries) {
    query.bindValue(0, entry.dealt.toMSecsSinceEpoch());
    query.bindValue(1, entry.dealt.offsetFromUtc());
    query.bindValue(2, NotNull(entry.name));
    query.bindValue(3, NotNull(entry.birthDate));
    query.bindValue(4, static_cast<int>(entry.own ? kOwnSpread : entry.spread));
    query.bindValue(5, static_cast<int>(entry.mode));
    query.bindValue(6, PackCards(entry.hand));
    query.bindValue(7, FoldForSearch(entry.name));
    const std::string_view language = LanguageCode(entry.language);
    query.bindValue(8,
                    QString::fromLatin1(language.data(), static_cast<qsizetype>(language.size())));
    query.bindValue(9, entry.own ? QString::fromStdString(entry.own->name) : QStringLiteral(""));
    query.bindValue(
        10, entry.own ? QVariant(QString::fromStdString(interchange::WriteSpreadFile(*entry.own)))
                      : QVariant(QMetaType::fromType<QString>()));
    query.bindValue(11, NotNull(entry.notes));
    query.bindValue(12, FoldForSearch(entry.notes));
    if (!query.exec()) return Finish(db, SqlReason(query.lastError()));
    if (lastId != nullptr) *lastId = query.lastInsertId().toLongLong();
  }
  return Finish(db, {});
}

}  // namespace

QString SetNotes(QSqlDatabase& db, std::int64_t id, const QString& notes) {
  QSqlQuery query(db);
  if (!query.prepare(
          QStringLiteral("UPDATE reading SET notes = ?, notes_folded = ? WHERE id = ?"))) {
    return SqlReason(query.lastError());
  }
  query.addBindValue(NotNull(notes));
  query.addBindValue(FoldForSearch(notes));
  query.addBindValue(static_cast<qlonglong>(id));
  if (!query.exec()) return SqlReason(query.lastError());
  if (query.numRowsAffected() != 1) {
    return QCoreApplication::translate("Journal", "the reading is no longer kept");
  }
  return {};
}

std::optional<Entry> Load(QSqlDatabase& db, std::int64_t id) {
  QSqlQuery query(db);
  query.prepare(
      QStringLiteral("SELECT %1%2 FROM reading WHERE id = ?").arg(kListColumnsSql, kWholeColumns));
  query.addBindValue(static_cast<qlonglong>(id));
  if (!query.exec() || !query.next()) return std::nullopt;
  return FromRow(query);
}

QString Remove(QSqlDatabase& db, const std::vector<std::int64_t>& ids) {
  if (!db.transaction()) return SqlReason(db.lastError());
  QSqlQuery query(db);
  query.prepare(QStringLiteral("DELETE FROM reading WHERE id = ?"));
  for (const std::int64_t id : ids) {
    query.bindValue(0, static_cast<qlonglong>(id));
    if (!query.exec()) return Finish(db, SqlReason(query.lastError()));
  }
  return Finish(db, {});
}

bool SelectList(QSqlQuery& query, const QString& search) {
  return RunList(query, search, QString());
}

bool SelectListedCards(QSqlQuery& query, const QString& search) {
  // Only the columns asked for are read: SQLite flattens the list into this query.
  const QString listed = kListSql.arg(QStringLiteral(", cards"), kNewestDealt);
  return RunList(query, search, QString(),
                 QStringLiteral("SELECT dealt, utc_offset, spread, cards FROM (%1)").arg(listed));
}

namespace {

std::vector<Entry> LoadRows(QSqlDatabase& db, const QString& search, const QString& order,
                            int* leftOut, QString* failure) {
  std::vector<Entry> entries;
  if (leftOut != nullptr) *leftOut = 0;
  QSqlQuery query(db);
  query.setForwardOnly(true);
  auto failed = [&] {
    if (failure != nullptr) *failure = SqlReason(query.lastError());
    return entries;
  };
  if (!RunList(query, search, kWholeColumns, {}, order)) return failed();
  while (query.next()) {
    if (auto entry = FromRow(query)) {
      entries.push_back(std::move(*entry));
    } else if (leftOut != nullptr) {
      ++*leftOut;
    }
  }
  // A page that cannot be read ends the rows early: not the whole list.
  if (query.lastError().isValid()) return failed();
  return entries;
}

}  // namespace

std::vector<Entry> LoadList(QSqlDatabase& db, const QString& search, int* leftOut,
                            QString* failure) {
  return LoadRows(db, search, kNewestDealt, leftOut, failure);
}

std::vector<Entry> LoadAsAdded(QSqlDatabase& db, int* leftOut, QString* failure) {
  return LoadRows(db, QString(), kAsAdded, leftOut, failure);
}

}  // namespace baralune::journal
