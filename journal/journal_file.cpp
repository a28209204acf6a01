#include "journal_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
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

QString Tr(const char* text) {
  return QCoreApplication::translate("Journal", text);
}

Preparation Unavailable(const QString& reason) {
  Preparation p;
  p.condition = Preparation::Condition::Unavailable;
  p.reason = reason;
  return p;
}

QString SystemReason(int error) {
  return QString::fromStdString(SystemErrorText(error));
}

QByteArray Native(const QString& path) {
  return QFile::encodeName(path);
}

// Opens without waiting for a writer at the other end of a FIFO or a device to answer.
int OpenWithoutBlocking(const QString& path, int flags) {
  return ::open(Native(path).constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

// The first of `folder` and the folders above it that exists, if it is not a folder: mkpath
// then fails with a stale errno that explains nothing.
QString FolderInTheWay(const QString& folder) {
  QString at = QDir::cleanPath(folder);
  for (;;) {
    struct stat info {};
    if (::stat(Native(at).constData(), &info) == 0) {
      if (S_ISDIR(info.st_mode)) return {};
      return Tr(QT_TRANSLATE_NOOP("Journal", "%1 is a file, not a folder"))
          .arg(QDir::toNativeSeparators(at));
    }
    const QString up = QFileInfo(at).path();
    if (up == at) return {};
    at = up;
  }
}

// The file, created empty with mode 0600 if missing: names and birth dates are personal.
QString CreatePrivateFile(const QString& path) {
  const int fd = ::open(Native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return errno == EEXIST ? QString() : SystemReason(errno);
  ::close(fd);
  return {};
}

// What stands at a path of the journal, looked at without blocking.
struct Probe {
  enum class Kind { Missing, Regular, Unreadable, Refused };
  Kind kind = Kind::Missing;
  QString reason;
};

// Looks at `path` (the journal or one of its sidecars): anything but a regular file is refused
// before it is opened; a regular one loses any access by others, whoever made it and however.
Probe ProbeFile(const QString& path) {
  Probe probe;
  struct stat info {};
  if (::stat(Native(path).constData(), &info) != 0) {
    if (errno == ENOENT) return probe;
    return {Probe::Kind::Refused, SystemReason(errno)};
  }
  const QString notRegular = Tr(QT_TRANSLATE_NOOP("Journal", "%1 is not a regular file"))
                                 .arg(QDir::toNativeSeparators(QFileInfo(path).filePath()));
  if (!S_ISREG(info.st_mode)) return {Probe::Kind::Refused, notRegular};
  const int fd = OpenWithoutBlocking(path, O_RDONLY);
  if (fd < 0) {
    if (errno == ENOENT) return probe;
    return {Probe::Kind::Unreadable, SystemReason(errno)};
  }
  // It may have been swapped since the stat: the descriptor says what was opened.
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return {Probe::Kind::Refused, notRegular};
  }
  if ((info.st_mode & 077) != 0 && ::fchmod(fd, info.st_mode & 0700) != 0) {
    qWarning("Baralune: cannot make %s private: %s", Native(path).constData(),
             std::strerror(errno));
  }
  ::close(fd);
  probe.kind = Probe::Kind::Regular;
  return probe;
}

// Why nothing can be written to the journal at `path`, or an empty string.
QString WhyNotWritable(const QString& path) {
  const QString folder = QFileInfo(path).absolutePath();
  // The write-ahead log and its index are made beside the journal.
  for (const QString& needed : {path, folder}) {
    if (::faccessat(AT_FDCWD, Native(needed).constData(), W_OK, AT_EACCESS) != 0) {
      return QDir::toNativeSeparators(needed) + QStringLiteral(": ") + SystemReason(errno);
    }
  }
  return {};
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

// Looks at the journal through a read-only connection, so that what is set aside afterwards is
// what was found, its write-ahead log unmerged.
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
  if (!query.exec(QStringLiteral(
          "SELECT (SELECT count(*) FROM sqlite_master),"
          " (SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'reading'),"
          " (SELECT application_id FROM pragma_application_id),"
          " (SELECT user_version FROM pragma_user_version)")) ||
      !query.next()) {
    return failed();
  }
  const int tables = query.value(0).toInt();
  const bool hasReadings = query.value(1).toInt() == 1;
  const int id = query.value(2).toInt();
  result.version = query.value(3).toInt();
  if (id == 0 && tables == 0 && result.version == 0) {
    result.verdict = Verdict::New;
  } else if (id != kApplicationId) {
    result.verdict = Verdict::Foreign;
  } else if (result.version > kSchemaVersion) {
    result.verdict = Verdict::Newer;
  } else if (result.version < 1 || !hasReadings) {
    // Every version Baralune writes has its readings' table; anything else is damage.
    result.verdict = Verdict::Unreadable;
    result.reason = QStringLiteral("schema version %1 was never written").arg(result.version);
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

// Puts the journal in WAL mode and brings its schema up to date: an empty string or why not.
QString MakeCurrent(const QString& path, int version, std::chrono::milliseconds busyTimeout) {
  Connection connection(path, false, busyTimeout);
  if (!connection.IsOpen()) return SqlReason(connection.Db().lastError());
  QSqlQuery wal(connection.Db());
  if (!wal.exec(QStringLiteral("PRAGMA journal_mode = WAL"))) return SqlReason(wal.lastError());
  wal.finish();  // no statement left open across the migration's commit
  return Migrate(connection.Db(), version);
}

// Moves the journal and its sidecar files aside; the set-aside name, or empty on failure.
QString SetAside(const QString& path, QString* reason) {
  const QString aside = SetAsideName(path);
  if (::rename(Native(path).constData(), Native(aside).constData()) != 0) {
    *reason = SystemReason(errno);
    return {};
  }
  for (const char* sidecar : {"-wal", "-shm"}) {
    const QString from = path + QLatin1String(sidecar);
    const QString to = aside + QLatin1String(sidecar);
    if (::rename(Native(from).constData(), Native(to).constData()) != 0 && errno != ENOENT) {
      // Left beside a new journal, a stale log would be read into it: say so.
      *reason = SystemReason(errno);
      return {};
    }
  }
  return aside;
}

Preparation PrepareFile(const QString& path, bool mayCreateAnew,
                        std::chrono::milliseconds busyTimeout) {
  const QString folder = QFileInfo(path).absolutePath();
  if (const QString why = FolderInTheWay(folder); !why.isEmpty()) return Unavailable(why);
  errno = 0;
  if (!QDir().mkpath(folder)) return Unavailable(SystemReason(errno != 0 ? errno : EACCES));

  Probe probe = ProbeFile(path);
  if (probe.kind == Probe::Kind::Missing) {
    if (const QString why = CreatePrivateFile(path); !why.isEmpty()) return Unavailable(why);
    probe = ProbeFile(path);
  }
  if (probe.kind == Probe::Kind::Missing || probe.kind == Probe::Kind::Refused) {
    return Unavailable(probe.reason.isEmpty() ? SystemReason(ENOENT) : probe.reason);
  }
  for (const char* sidecar : {"-wal", "-shm"}) {
    const Probe side = ProbeFile(path + QLatin1String(sidecar));
    if (side.kind == Probe::Kind::Refused) return Unavailable(side.reason);
  }

  Inspection inspection;
  if (probe.kind == Probe::Kind::Unreadable) {
    inspection.verdict = Verdict::Unreadable;
    inspection.reason = probe.reason;
  } else {
    Connection connection(path, true, busyTimeout);
    if (!connection.IsOpen()) return Unavailable(SqlReason(connection.Db().lastError()));
    inspection = Inspect(connection.Db());
  }
  Preparation result;
  switch (inspection.verdict) {
    case Verdict::New:
    case Verdict::Ours: {
      QString why = WhyNotWritable(path);
      if (why.isEmpty()) why = MakeCurrent(path, inspection.version, busyTimeout);
      if (why.isEmpty()) {
        result.condition = Preparation::Condition::Ready;
      } else if (inspection.version == kSchemaVersion) {
        // A read-only file or folder, or a full disk: what is kept can still be shown.
        result.condition = Preparation::Condition::ReadOnly;
        result.reason = why;
      } else {
        return Unavailable(why);
      }
      result.identity = IdentityOf(path);
      return result;
    }
    case Verdict::Newer:
      result.condition = Preparation::Condition::ReadOnlyNewer;
      result.identity = IdentityOf(path);
      return result;
    case Verdict::Failed:
      return Unavailable(inspection.reason);
    case Verdict::Foreign:
    case Verdict::Unreadable:
      break;
  }
  if (!mayCreateAnew) return Unavailable(inspection.reason);
  QString why;
  const QString aside = SetAside(path, &why);
  if (aside.isEmpty()) return Unavailable(why);
  Preparation fresh = PrepareFile(path, false, busyTimeout);
  if (fresh.condition != Preparation::Condition::Ready) return fresh;
  fresh.condition = Preparation::Condition::SetAside;
  fresh.setAsidePath = aside;
  return fresh;
}

}  // namespace

FileIdentity IdentityOf(const QString& path) {
  struct stat info {};
  if (::stat(Native(path).constData(), &info) != 0) return {};
  return {info.st_dev, info.st_ino};
}

int PrimaryCode(const QSqlError& error) {
  return error.nativeErrorCode().toInt() & 0xFF;
}

Preparation Prepare(const QString& path, std::chrono::milliseconds busyTimeout) {
  return PrepareFile(path, true, busyTimeout);
}

Preparation PrepareOnce(const QString& path, bool* first, std::chrono::milliseconds wait) {
  static std::timed_mutex mutex;
  static QHash<QString, Preparation> done;
  std::unique_lock lock(mutex, std::defer_lock);
  if (wait < std::chrono::milliseconds::zero()) {
    lock.lock();
  } else if (!lock.try_lock_for(wait)) {
    Preparation busy =
        Unavailable(Tr(QT_TRANSLATE_NOOP("Journal", "it is busy; try again in a moment")));
    busy.busy = true;
    return busy;
  }
  if (first != nullptr) *first = false;
  bool renewed = false;
  if (auto found = done.constFind(path); found != done.constEnd()) {
    if (IdentityOf(path) == found->identity) return *found;
    // Deleted or replaced behind our back: what was prepared is gone.
    renewed = true;
    done.remove(path);
  }
  // Whoever waits a bounded time for the lock waits no longer on SQLite's locks.
  Preparation result =
      wait < std::chrono::milliseconds::zero() ? Prepare(path) : Prepare(path, wait);
  result.renewed = renewed;
  if (first != nullptr) *first = true;
  // A journal that could not be reached, or written, may be later (a disk freed, a folder made
  // writable); the others stay as they were found.
  if (result.condition != Preparation::Condition::Unavailable &&
      result.condition != Preparation::Condition::ReadOnly) {
    done.insert(path, result);
  }
  return result;
}

Connection::Connection(const QString& path, bool readOnly, std::chrono::milliseconds busyTimeout)
    : m_path(path) {
  static std::atomic<int> serial{0};
  m_name = QStringLiteral("baralune-journal-%1").arg(++serial);
  m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
  const QString options =
      QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1;QSQLITE_OPEN_URI").arg(busyTimeout.count());
  if (!readOnly) {
    // mode=rw: a journal that is not there is not made here, only by Prepare, privately.
    if (Open(QStringLiteral("mode=rw"), options)) {
      // In WAL mode NORMAL loses nothing when the program is killed, only at a power cut.
      QSqlQuery(m_db).exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    }
  } else {
    const QString readOnlyOptions = options + QStringLiteral(";QSQLITE_OPEN_READONLY");
    bool answers = Open(QStringLiteral("mode=ro"), readOnlyOptions) &&
                   QSqlQuery(m_db).exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    // In a folder we cannot write, or on a full disk, SQLite cannot make the log's index; with
    // no log to read (none, or an empty one), the file alone is the whole journal.
    if (!answers && QFileInfo(path + QStringLiteral("-wal")).size() == 0) {
      m_db.close();
      Open(QStringLiteral("mode=ro&immutable=1"), readOnlyOptions);
    }
  }
  if (m_db.isOpen()) m_identity = IdentityOf(path);
}

bool Connection::Open(const QString& uriOptions, const QString& options) {
  m_db.setDatabaseName(
      QStringLiteral("file:") +
      QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(m_path).absoluteFilePath(), "/")) +
      QLatin1Char('?') + uriOptions);
  m_db.setConnectOptions(options);
  return m_db.open();
}

Connection::~Connection() {
  m_db.close();
  m_db = QSqlDatabase();
  QSqlDatabase::removeDatabase(m_name);
}

}  // namespace baralune::journal
