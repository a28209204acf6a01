#pragma once
#include <sys/types.h>

#include <QSqlDatabase>
#include <QString>
#include <chrono>

namespace baralune::journal {

// Which file a path named when it was looked at: a journal deleted or replaced while Baralune
// runs is told apart from the one that was opened.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool Known() const { return inode != 0; }
  bool operator==(const FileIdentity&) const = default;
};
// The identity of the file at `path` now (unknown if there is none).
FileIdentity IdentityOf(const QString& path);

// What became of the journal file when it was first used.
struct Preparation {
  enum class Condition {
    Ready,          // ours, at the current schema, writable as far as anyone knows
    SetAside,       // it could not be read: moved to `setAsidePath`, and a new one begun
    ReadOnlyNewer,  // written by a newer Baralune: read, never written
    ReadOnly,       // ours, readable, but nothing can be written to it (`reason` says why)
    Unavailable,    // neither opened nor created (`reason` says why)
  };
  Condition condition = Condition::Unavailable;
  QString setAsidePath;
  QString reason;
  FileIdentity identity;  // of the journal prepared
  bool renewed = false;   // the journal prepared before had vanished: this is a new one
  bool busy = false;      // Unavailable for now: another thread was still preparing it

  bool Readable() const { return condition != Condition::Unavailable; }
  bool Writable() const {
    return condition == Condition::Ready || condition == Condition::SetAside;
  }
};

// Makes the journal at `path` ready to use: creates it (mode 0600, its folder too), sets aside
// a file that cannot be read, or is not Baralune's, under a new name beside it (byte for byte,
// with its write-ahead log), and brings an older schema up to date. Anything at the path that
// is not a regular file is refused without being opened for reading or writing. Each statement
// waits at most `busyTimeout` for a lock another connection holds.
inline constexpr std::chrono::milliseconds kBusyTimeout{5000};
Preparation Prepare(const QString& path, std::chrono::milliseconds busyTimeout = kBusyTimeout);

// Prepare, once per path in this process, from any thread. `first` is set when this call did
// the work, so that its outcome is told once. A journal that is no longer the file prepared
// (deleted or replaced) is prepared again, with `renewed` set. Waits at most `wait` for another
// thread preparing it (then it says it is busy, Unavailable), and as long for each lock of
// SQLite's.
inline constexpr std::chrono::milliseconds kWaitForever{-1};
Preparation PrepareOnce(const QString& path, bool* first = nullptr,
                        std::chrono::milliseconds wait = kWaitForever);

// A connection of its own to the journal, for the thread that creates it and uses it. It never
// creates the file. Read-only, it never writes to the file or its write-ahead log.
class Connection {
 public:
  Connection(const QString& path, bool readOnly,
             std::chrono::milliseconds busyTimeout = kBusyTimeout);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool IsOpen() const { return m_db.isOpen(); }
  QSqlDatabase& Db() { return m_db; }
  const QString& Path() const { return m_path; }
  // The file this connection opened.
  const FileIdentity& Identity() const { return m_identity; }

 private:
  bool Open(const QString& uriOptions, const QString& options);

  QString m_path;
  QString m_name;
  QSqlDatabase m_db;
  FileIdentity m_identity;
};

// The SQLite primary result code of a failed statement or open (SQLITE_CORRUPT is 11 ...).
int PrimaryCode(const class QSqlError& error);

}  // namespace baralune::journal
