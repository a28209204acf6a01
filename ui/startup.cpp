#include "startup.h"

#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QStandardPaths>
#include <cmath>

#include "frmMain.h"
#include "help_links.h"
#include "program.h"
#include "random.h"
#include "seams.h"

namespace baralune {

std::int16_t intCoBrandRandomNumber = 0;

QString InstanceLockPath() {
  const QString testDir = qEnvironmentVariable("BARALUNE_TEST_DIR");
  if (!testDir.isEmpty()) return QDir(testDir).filePath(QStringLiteral("baralune.lock"));
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  QString name = QStringLiteral("baralune.lock");
  if (dir.isEmpty()) {
    // The temporary folder is shared between users: the user's name keeps the lock per user.
    dir = QDir::tempPath();
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
    name = QStringLiteral("baralune-%1.lock").arg(user);
  }
  return QDir(dir).filePath(name);
}

std::unique_ptr<QLockFile> AcquireInstanceLock(const QString& path) {
  auto lock = std::make_unique<QLockFile>(path);
  // Only a lock whose process is gone is stale: a long-running first instance keeps its lock
  // however old the file is.
  lock->setStaleLockTime(0);
  if (lock->tryLock(0)) return lock;
  if (lock->error() == QLockFile::LockFailedError) return nullptr;
  // The lock could not be checked at all; start rather than refuse.
  return std::make_unique<QLockFile>(QString());
}

void UpdateReminder() {
  std::unique_ptr<QSettings> settings;
  Guard([&] { settings = AppSeams().settings(); });
  if (!settings) return;
  const QDate today = AppSeams().today();
  const QDate stored = QDate::fromString(settings->value(kLastReminderKey).toString(), Qt::ISODate);
  auto store = [&] {
    settings->setValue(kLastReminderKey, today.toString(Qt::ISODate));
    settings->sync();
  };
  if (!stored.isValid()) {
    // First start, or a value that cannot be read: remember today, no prompt.
    Guard(store);
    return;
  }
  const qint64 days = today.daysTo(stored);
  if (days >= -14 && days <= 14) return;
  QMessageBox::StandardButton answer = QMessageBox::No;
  Guard([&] {
    answer = ShowMessage(nullptr,
                         QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?"),
                         QMessageBox::Information, QMessageBox::Yes | QMessageBox::No);
  });
  Guard(store);
  if (answer == QMessageBox::Yes) Guard([] { OpenDownloadPage(); });
}

void CoBrand_Randomize(frmMain& window) {
  const float r = SharedRandom().Next();
  // Rounded to nearest with halves to even, as the 16-bit conversion does.
  const float n = r * 6.0f + 1.0f;
  intCoBrandRandomNumber = static_cast<std::int16_t>(std::nearbyint(n));
  switch (intCoBrandRandomNumber) {
    case 1:
    case 3:
    case 5:
      window.lblCobrand()->raise();
      break;
    case 2:
    case 4:
    case 6:
      window.lblFullBrand()->raise();
      break;
    default:
      break;  // 7: the layout order stands, the full-brand label in front
  }
}

std::unique_ptr<QLockFile> StartUp() {
  auto lock = AcquireInstanceLock(InstanceLockPath());
  if (!lock) {
    Guard([] {
      ShowMessage(nullptr, QStringLiteral("Application is already running"),
                  QMessageBox::Information);
    });
    QuitProgram();
    return nullptr;
  }
  SharedRandom().ReseedFromClock();
  Guard([] { UpdateReminder(); });
  frmMain* window = nullptr;
  Guard([&] { window = ShowNewMainWindow(); });
  if (window != nullptr) Guard([&] { CoBrand_Randomize(*window); });
  return lock;
}

}  // namespace baralune
