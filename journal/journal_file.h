#pragma once
#include <QSqlDatabase>
#include <QString>

namespace baralune::journal {

// What became of the journal file when it was first used.
struct Preparation {
  enum class Condition {
    Ready,          // ours, at the current schema, writable as far as anyone knows
    SetAside,       // it could not be read: moved to `setAsidePath`, and a new one begun
    ReadOnlyNewer,  // written by a newer Baralune: read, never written
    Unavailable,    // neither opened nor created (`reason` says why)
  };
  Condition condition = Condition::Unavailable;
  QString setAsidePath;
  QString reason;

  bool Readable() const { return condition != Condition::Unavailable; }
  bool Writable() const {
    return condition == Condition::Ready || condition == Condition::SetAside;
  }
};

// Makes the journal at `path` ready to use: creates it (mode 0600, its folder too), sets aside
// a file that cannot be read, or is not Baralune's, under a new name beside it (byte for byte,
// with its write-ahead log), and brings an older schema up to date.
Preparation Prepare(const QString& path);

// Prepare, once per path in this process, from any thread. `first` is set when this call did
// the work, so that its outcome is told once.
Preparation PrepareOnce(const QString& path, bool* first = nullptr);

// A connection of its own to the journal, for the thread that creates it and uses it.
class Connection {
 public:
  Connection(const QString& path, bool readOnly);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool IsOpen() const { return m_db.isOpen(); }
  QSqlDatabase& Db() { return m_db; }
  const QString& Path() const { return m_path; }

 private:
  QString m_path;
  QString m_name;
  QSqlDatabase m_db;
};

// The SQLite primary result code of a failed statement or open (SQLITE_CORRUPT is 11 ...).
int PrimaryCode(const class QSqlError& error);

}  // namespace baralune::journal
