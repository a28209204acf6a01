#include "startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <cmath>

#include "frmMain.h"
#include "help_links.h"
#include "program.h"
#include "random.h"
#include "seams.h"

namespace baralune {

std::int16_t intCoBrandRandomNumber = 0;

void UpdateReminder() {
  const std::unique_ptr<QSettings> settings = AppSeams().settings();
  if (!settings) return;
  const QDate today = AppSeams().today();
  const QDate stored = QDate::fromString(settings->value(kLastReminderKey).toString(), Qt::ISODate);
  auto store = [&] {
    settings->setValue(kLastReminderKey, today.toString(Qt::ISODate));
    settings->sync();
  };
  if (!stored.isValid()) {
    // First start, or a value that cannot be read: remember today, no prompt.
    store();
    return;
  }
  const qint64 days = today.daysTo(stored);
  if (days >= -14 && days <= 14) return;
  const QMessageBox::StandardButton answer =
      ShowMessage(nullptr,
                  QCoreApplication::translate("StartUp",
                                              "There maybe an update to this software available\r"
                                              "Do you want to check for an update?"),
                  QMessageBox::Information, QMessageBox::Yes | QMessageBox::No);
  store();
  if (answer == QMessageBox::Yes) OpenDownloadPage();
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

std::unique_ptr<InstanceLock> StartUp() {
  auto lock = InstanceLock::Acquire(InstanceLockPath());
  if (!lock) {
    ShowMessage(nullptr, QCoreApplication::translate("StartUp", "Application is already running"),
                QMessageBox::Information);
    QuitProgram();
    return nullptr;
  }
  SharedRandom().ReseedFromClock();
  UpdateReminder();
  try {
    CoBrand_Randomize(*ShowNewMainWindow());
  } catch (const std::exception& failure) {
    // Said, and the program ends: there is no window to go on with.
    ReportFailedStep(
        QCoreApplication::translate("StartUp", "The main window could not be opened:\n%1"),
        failure);
    QuitProgram();
    return nullptr;
  }
  return lock;
}

}  // namespace baralune
