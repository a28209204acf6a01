#include "instance_lock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#else
#include <QLockFile>
#endif

namespace baralune {

#if defined(Q_OS_UNIX)

struct InstanceLock::Handle {
  int fd = -1;
  ~Handle() {
    if (fd >= 0) ::close(fd);  // closing releases the lock
  }
};

std::unique_ptr<InstanceLock> InstanceLock::Acquire(const QString& path) {
  std::unique_ptr<InstanceLock> lock(new InstanceLock());
  const QByteArray name = QFile::encodeName(path);
  if (name.isEmpty()) return lock;
  // No links followed, and no waiting on a FIFO someone put there.
  const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK,
                        S_IRUSR | S_IWUSR);
  if (fd < 0) return lock;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return lock;
  }
  int taken;
  do {
    taken = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (taken != 0 && errno == EINTR);
  if (taken != 0) {
    const bool heldElsewhere = errno == EWOULDBLOCK;
    ::close(fd);
    if (heldElsewhere) return nullptr;
    return lock;
  }
  // The process id is for people looking at the file; the lock itself is what counts.
  const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
  if (::ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const ssize_t written = ::write(fd, pid.constData(), pid.size());
  }
  lock->m_handle = std::make_unique<Handle>();
  lock->m_handle->fd = fd;
  return lock;
}

bool InstanceLock::Held() const {
  return m_handle && m_handle->fd >= 0;
}

namespace {

// A folder only this user can enter: created 0700, or an existing one of ours made so.
bool MakePrivateFolder(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  if (::mkdir(name.constData(), S_IRWXU) != 0 && errno != EEXIST) return false;
  struct stat info {};
  if (::lstat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
      info.st_uid != ::geteuid()) {
    return false;
  }
  return (info.st_mode & 077) == 0 || ::chmod(name.constData(), S_IRWXU) == 0;
}

}  // namespace

#else

struct InstanceLock::Handle {
  QLockFile file;
  explicit Handle(const QString& path) : file(path) {}
};

std::unique_ptr<InstanceLock> InstanceLock::Acquire(const QString& path) {
  std::unique_ptr<InstanceLock> lock(new InstanceLock());
  auto handle = std::make_unique<Handle>(path);
  handle->file.setStaleLockTime(0);
  if (handle->file.tryLock(0)) {
    lock->m_handle = std::move(handle);
  } else if (handle->file.error() == QLockFile::LockFailedError) {
    return nullptr;
  }
  return lock;
}

bool InstanceLock::Held() const {
  return m_handle && m_handle->file.isLocked();
}

namespace {
bool MakePrivateFolder(const QString& path) {
  return QDir().mkpath(path);
}
}  // namespace

#endif

InstanceLock::~InstanceLock() = default;

QString InstanceLockPath() {
  const QString name = QStringLiteral("baralune.lock");
  // Qt checks that the runtime folder is the user's own and private; without one it would
  // invent a folder in the shared temporary folder, so go to the cache folder instead.
  if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) return QDir(runtime).filePath(name);
  }
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (cache.isEmpty() || !QDir().mkpath(cache)) return {};
  const QString folder = QDir(cache).filePath(QStringLiteral("instance"));
  if (!MakePrivateFolder(folder)) return {};
  return QDir(folder).filePath(name);
}

}  // namespace baralune
