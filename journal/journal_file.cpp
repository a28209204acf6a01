#include "journal_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

#include "schema.h"
#include "sql_reason.h"
#include "system_error.h"

namespace baralune::journal {

namespace {

constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

Preparation Unavailable(const QString& reason) {
  Preparation p;
  p.condition = Preparation::Condition::Unavailable;
  p.reason = reason;
  return p;
}

QString SystemReason(int error) {
  return QString::fromStdString(SystemErrorText(error));
}

// The file, created empty with mode 0600 if missing: names and birth dates are personal.
QString CreatePrivateFile(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return errno == EEXIST ? QString() : SystemReason(errno);
  ::close(fd);
  return {};
}

bool IsReadableFile(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

// A name beside `path` no file has: journal-set-aside-20261208-091500.sqlite, then -2, -3 ...
QString SetAsideName(const QString& path) {
  const QFileInfo info(path);
  const QString stem = info.completeBaseName() + QStringLiteral("-set-aside-") +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
  QString candidate = info.dir().filePath(stem + suffix);
  for (int n = 2; QFileInfo::exists(candidate); ++n) {
    candidate = info.dir().filePath(stem + QStringLiteral("-%1").arg(n) + suffix);
  }
  return candidate;
}

enum class Verdict { Ours, New, Newer, Foreign, Unreadable, Failed };

struct Inspection {
  Verdict verdict = Verdict::Failed;
  int version = 0;
  QString reason;
};

Inspection Inspect(QSqlDatabase& db) {
  Inspection result;
  QSqlQuery query(db);
  auto failed = [&] {
    const int code = PrimaryCode(query.lastError());
    result.verdict = code == kSqliteCorrupt || code == kSqliteNotADatabase ? Verdict::Unreadable
                                                                           : Verdict::Failed;
    result.reason = SqlReason(query.lastError());
    return result;
  };
  if (!query.exec(QStringLiteral("SELECT (SELECT count(*) FROM sqlite_master),"
                                 " (SELECT application_id FROM pragma_application_id),"
                                 " (SELECT user_version FROM pragma_user_version)")) ||
      !query.next()) {
    return failed();
  }
  const int tables = query.value(0).toInt();
  const int id = query.value(1).toInt();
  result.version = query.value(2).toInt();
  if (id == 0 && tables == 0 && result.version == 0) {
    result.verdict = Verdict::New;
  } else if (id != kApplicationId) {
    result.verdict = Verdict::Foreign;
  } else if (result.version > kSchemaVersion) {
    result.verdict = Verdict::Newer;
  } else {
    // A damaged page shows here rather than in the middle of the History.
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) return failed();
    if (query.value(0).toString() != QLatin1String("ok")) {
      result.verdict = Verdict::Unreadable;
      result.reason = query.value(0).toString();
      return result;
    }
    result.verdict = Verdict::Ours;
  }
  return result;
}

// Moves the journal and its sidecar files aside; the set-aside name, or empty on failure.
QString SetAside(const QString& path, QString* reason) {
  const QString aside = SetAsideName(path);
  if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0) {
    *reason = SystemReason(errno);
    return {};
  }
  for (const char* sidecar : {"-wal", "-shm"}) {
    const QString from = path + QLatin1String(sidecar);
    if (QFileInfo::exists(from)) {
      (void)::rename(QFile::encodeName(from).constData(),
                     QFile::encodeName(aside + QLatin1String(sidecar)).constData());
    }
  }
  return aside;
}

Preparation PrepareFile(const QString& path, bool mayCreateAnew) {
  const QFileInfo info(path);
  if (!QDir().mkpath(info.absolutePath())) {
    return Unavailable(SystemReason(errno != 0 ? errno : EACCES));
  }
  if (const QString why = CreatePrivateFile(path); !why.isEmpty()) return Unavailable(why);

  Inspection inspection;
  if (!IsReadableFile(path)) {
    inspection.verdict = Verdict::Unreadable;
  } else {
    Connection connection(path, false);
    if (!connection.IsOpen()) return Unavailable(SqlReason(connection.Db().lastError()));
    inspection = Inspect(connection.Db());
    QString why;
    switch (inspection.verdict) {
      case Verdict::New:
      case Verdict::Ours: {
        QSqlQuery wal(connection.Db());
        if (!wal.exec(QStringLiteral("PRAGMA journal_mode = WAL"))) {
          return Unavailable(SqlReason(wal.lastError()));
        }
        wal.finish();  // no statement left open across the migration's commit
        why = Migrate(connection.Db(), inspection.version);
        if (!why.isEmpty()) return Unavailable(why);
        return Preparation{Preparation::Condition::Ready, {}, {}};
      }
      case Verdict::Newer:
        return Preparation{Preparation::Condition::ReadOnlyNewer, {}, {}};
      case Verdict::Failed:
        return Unavailable(inspection.reason);
      case Verdict::Foreign:
      case Verdict::Unreadable:
        break;
    }
  }
  if (!mayCreateAnew) return Unavailable(inspection.reason);
  QString why;
  const QString aside = SetAside(path, &why);
  if (aside.isEmpty()) return Unavailable(why);
  Preparation fresh = PrepareFile(path, false);
  if (fresh.condition != Preparation::Condition::Ready) return fresh;
  fresh.condition = Preparation::Condition::SetAside;
  fresh.setAsidePath = aside;
  return fresh;
}

}  // namespace

int PrimaryCode(const QSqlError& error) {
  return error.nativeErrorCode().toInt() & 0xFF;
}

Preparation Prepare(const QString& path) {
  return PrepareFile(path, true);
}

Preparation PrepareOnce(const QString& path, bool* first) {
  static std::mutex mutex;
  static QHash<QString, Preparation> done;
  const std::lock_guard lock(mutex);
  if (first != nullptr) *first = false;
  if (auto found = done.constFind(path); found != done.constEnd()) return *found;
  Preparation result = Prepare(path);
  if (first != nullptr) *first = true;
  // A journal that could not be reached may be reachable later (a disk freed, a folder made
  // writable); the others stay as they were found.
  if (result.condition != Preparation::Condition::Unavailable) done.insert(path, result);
  return result;
}

Connection::Connection(const QString& path, bool readOnly) : m_path(path) {
  static std::atomic<int> serial{0};
  m_name = QStringLiteral("baralune-journal-%1").arg(++serial);
  m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
  m_db.setDatabaseName(path);
  QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
  if (readOnly) options += QStringLiteral(";QSQLITE_OPEN_READONLY");
  m_db.setConnectOptions(options);
  if (m_db.open() && !readOnly) {
    // In WAL mode NORMAL loses nothing when the program is killed, only at a power cut.
    QSqlQuery(m_db).exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
  }
}

Connection::~Connection() {
  m_db.close();
  m_db = QSqlDatabase();
  QSqlDatabase::removeDatabase(m_name);
}

}  // namespace baralune::journal
