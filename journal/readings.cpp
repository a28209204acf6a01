#include "readings.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "catalogue.h"
#include "fold.h"
#include "sql_reason.h"

namespace baralune::journal {

namespace {

const QString kListSql = QStringLiteral(
    "SELECT id, dealt, utc_offset, name, birth_date, spread, mode, language%1 FROM reading"
    " WHERE ? = '' OR instr(name_folded, ?) > 0 ORDER BY id DESC");

QByteArray PackCards(const std::vector<CardIndex>& hand) {
  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(hand.size()));
  for (CardIndex card : hand) bytes.append(static_cast<char>(card));
  return bytes;
}

std::optional<Entry> FromRow(const QSqlQuery& query, int cardsColumn) {
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
  const QByteArray cards = query.value(cardsColumn).toByteArray();
  if (spread < 0 || spread >= kSpreadCount || mode < 0 || mode > 2 ||
      cards.size() != SpreadOf(static_cast<SpreadIndex>(spread)).cards) {
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

}  // namespace

QDateTime DealtTime(std::int64_t msecsSinceEpoch, int utcOffsetSeconds) {
  return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::OffsetFromUTC, utcOffsetSeconds);
}

QString Insert(QSqlDatabase& db, const Entry& entry) {
  if (!db.transaction()) return SqlReason(db.lastError());
  QSqlQuery query(db);
  query.prepare(QStringLiteral(
      "INSERT INTO reading (dealt, utc_offset, name, birth_date, spread, mode, cards, name_folded,"
      " language) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
  query.addBindValue(entry.dealt.toMSecsSinceEpoch());
  query.addBindValue(entry.dealt.offsetFromUtc());
  query.addBindValue(entry.name);
  query.addBindValue(entry.birthDate);
  query.addBindValue(static_cast<int>(entry.spread));
  query.addBindValue(static_cast<int>(entry.mode));
  query.addBindValue(PackCards(entry.hand));
  query.addBindValue(FoldForSearch(entry.name));
  const std::string_view language = LanguageCode(entry.language);
  query.addBindValue(QString::fromLatin1(language.data(), static_cast<qsizetype>(language.size())));
  return Finish(db, query.exec() ? QString() : SqlReason(query.lastError()));
}

std::optional<Entry> Load(QSqlDatabase& db, std::int64_t id) {
  QSqlQuery query(db);
  query.prepare(
      QStringLiteral("SELECT id, dealt, utc_offset, name, birth_date, spread, mode, language, cards"
                     " FROM reading WHERE id = ?"));
  query.addBindValue(static_cast<qlonglong>(id));
  if (!query.exec() || !query.next()) return std::nullopt;
  return FromRow(query, kListColumns);
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
  const QString needle = FoldForSearch(search);
  if (!query.prepare(kListSql.arg(QString()))) return false;
  query.addBindValue(needle);
  query.addBindValue(needle);
  return query.exec();
}

std::vector<Entry> LoadList(QSqlDatabase& db, const QString& search, int* leftOut,
                            QString* failure) {
  std::vector<Entry> entries;
  if (leftOut != nullptr) *leftOut = 0;
  QSqlQuery query(db);
  query.setForwardOnly(true);
  const QString needle = FoldForSearch(search);
  auto failed = [&] {
    if (failure != nullptr) *failure = SqlReason(query.lastError());
    return entries;
  };
  if (!query.prepare(kListSql.arg(QStringLiteral(", cards")))) return failed();
  query.addBindValue(needle);
  query.addBindValue(needle);
  if (!query.exec()) return failed();
  while (query.next()) {
    if (auto entry = FromRow(query, kListColumns)) {
      entries.push_back(std::move(*entry));
    } else if (leftOut != nullptr) {
      ++*leftOut;
    }
  }
  // A page that cannot be read ends the rows early: not the whole list.
  if (query.lastError().isValid()) return failed();
  return entries;
}

}  // namespace baralune::journal
