#pragma once
#include <QString>
#include <memory>

namespace baralune {

// Baralune's single-instance lock. It is an advisory lock on an open file, so the system lets
// go of it when the process ends, however it ends: a lock file that no running Baralune holds
// (left by a crash, emptied, garbled, written on another host) never keeps the user out.
class InstanceLock {
 public:
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // Takes the lock at `path`. Null only when another running process holds it. When the lock
  // cannot be taken or checked at all (no writable folder, a folder or a link at the path),
  // the result holds nothing and Baralune starts rather than refusing.
  static std::unique_ptr<InstanceLock> Acquire(const QString& path);

  // Whether this process really holds the lock (false for the start-anyway case).
  bool Held() const;

 private:
  InstanceLock() = default;
  struct Handle;
  std::unique_ptr<Handle> m_handle;
};

// Where the lock lives: the user's runtime folder, or else a private folder (mode 0700) in the
// user's cache folder; never a name in the shared temporary folder that another user could
// plant.
QString InstanceLockPath();

}  // namespace baralune
