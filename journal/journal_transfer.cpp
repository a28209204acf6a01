#include "journal_transfer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <cerrno>
#include <unordered_set>

#include "journal_writer.h"
#include "readings.h"
#include "sql_reason.h"

namespace baralune::journal {

namespace {

// What tells one reading from another when a file is added: the moment, the cards, the name.
std::string ReadingKey(std::int64_t msecs, const QByteArray& cards, const QByteArray& name) {
  std::string key(reinterpret_cast<const char*>(&msecs), sizeof msecs);
  key += static_cast<char>(cards.size());
  key.append(cards.constData(), static_cast<std::size_t>(cards.size()));
  key.append(name.constData(), static_cast<std::size_t>(name.size()));
  return key;
}

std::string ReadingKey(const interchange::Reading& reading) {
  QByteArray cards;
  for (const CardIndex card : reading.cards) cards.append(static_cast<char>(card));
  return ReadingKey(
      reading.dealtMsecs, cards,
      QByteArray::fromRawData(reading.name.data(), static_cast<qsizetype>(reading.name.size())));
}

// The keys of every reading kept, or SQLite's reason in `failure`.
std::unordered_set<std::string> KeptKeys(QSqlDatabase& db, QString& failure) {
  std::unordered_set<std::string> keys;
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT dealt, cards, name FROM reading"))) {
    failure = SqlReason(query.lastError());
    return keys;
  }
  while (query.next()) {
    keys.insert(ReadingKey(query.value(0).toLongLong(), query.value(1).toByteArray(),
                           query.value(2).toString().toUtf8()));
  }
  if (query.lastError().isValid()) failure = SqlReason(query.lastError());
  return keys;
}

}  // namespace

interchange::Reading ToTravelling(const Entry& entry) {
  interchange::Reading reading;
  reading.dealtMsecs = entry.dealt.toMSecsSinceEpoch();
  reading.utcOffsetSeconds = entry.dealt.offsetFromUtc();
  reading.name = entry.name.toStdString();
  reading.birthDate = entry.birthDate.toStdString();
  reading.spread = entry.spread;
  if (entry.own) reading.ownSpread = *entry.own;
  reading.mode = static_cast<interchange::Mode>(entry.mode);
  reading.cards = entry.hand;
  reading.language = entry.language;
  reading.notes = entry.notes.toStdString();
  return reading;
}

Entry FromTravelling(const interchange::Reading& reading) {
  Entry entry;
  entry.dealt = DealtTime(reading.dealtMsecs, reading.utcOffsetSeconds);
  entry.name = QString::fromStdString(reading.name);
  entry.birthDate = QString::fromStdString(reading.birthDate);
  entry.spread = reading.spread;
  if (reading.ownSpread) entry.own = std::make_shared<const SpreadDefinition>(*reading.ownSpread);
  entry.mode = static_cast<DealMode>(reading.mode);
  entry.hand = reading.cards;
  entry.language = reading.language;
  entry.notes = QString::fromStdString(reading.notes);
  return entry;
}

JournalExport ExportJournal(QSqlDatabase& db) {
  JournalExport result;
  const std::vector<Entry> entries = LoadAsAdded(db, &result.leftOut, &result.failure);
  if (!result.failure.isEmpty()) return result;
  std::vector<interchange::Reading> readings;
  readings.reserve(entries.size());
  for (const Entry& entry : entries) readings.push_back(ToTravelling(entry));
  result.text = interchange::WriteJournal(readings);
  result.written = static_cast<int>(readings.size());
  return result;
}

JournalImport ImportReadings(QSqlDatabase& db, const std::vector<interchange::Reading>& readings) {
  JournalImport result;
  std::unordered_set<std::string> keys = KeptKeys(db, result.failure);
  if (!result.failure.isEmpty()) return result;
  std::vector<Entry> entries;
  for (const interchange::Reading& reading : readings) {
    if (keys.insert(ReadingKey(reading)).second) {
      entries.push_back(FromTravelling(reading));
    } else {
      ++result.held;
    }
  }
  result.failure = InsertAll(db, entries);
  if (result.failure.isEmpty()) result.added = static_cast<int>(entries.size());
  return result;
}

JournalFile ReadJournalFile(const QString& path, const interchange::Limits& limits) {
  JournalFile file;
  const int fd =
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    file.error = errno;
    return file;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0) {
    file.error = errno;
  } else if (!S_ISREG(status.st_mode)) {
    file.notRegular = true;
  } else {
    interchange::JournalReader reader(limits);
    std::vector<char> buffer(1 << 16);
    for (;;) {
      const ssize_t got = ::read(fd, buffer.data(), buffer.size());
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        file.error = errno;
        break;
      }
      if (got == 0 || !reader.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(got))))
        break;
    }
    if (file.error == 0) file.read = reader.Finish();
  }
  ::close(fd);
  return file;
}

}  // namespace baralune::journal
