#pragma once
#include <QString>
#include <cstdint>
#include <memory>

class QLockFile;

namespace baralune {

class frmMain;

// Where the single-instance lock lives: the user's runtime folder, or the temporary folder
// with the user's name in the file name; BARALUNE_TEST_DIR moves it for tests.
QString InstanceLockPath();

// Takes the per-user instance lock. Null when another instance holds it. A lock left behind
// by a process that no longer runs is taken over. When the lock cannot be checked at all
// (no writable folder), Baralune starts rather than refusing.
std::unique_ptr<QLockFile> AcquireInstanceLock(const QString& path);

// The settings key of the last reminder date (ISO form, yyyy-MM-dd).
inline constexpr const char* kLastReminderKey = "LastReminderDate";

// Offers, at most every 15 days, to look for an update on the maker's site.
void UpdateReminder();

// The start-up choice of which advertisement label lies in front: 1..7, drawn once.
extern std::int16_t intCoBrandRandomNumber;
void CoBrand_Randomize(frmMain& window);

// The start-up sequence after the application object exists: single instance, random seed,
// update reminder, main window, advertisement. Returns the lock to hold while the program runs,
// or null when another instance is running (the message has been shown and the program ended).
std::unique_ptr<QLockFile> StartUp();

}  // namespace baralune
