#pragma once
#include <QString>
#include <cstdint>
#include <memory>

#include "instance_lock.h"

namespace baralune {

class frmMain;

// The settings key of the last reminder date (ISO form, yyyy-MM-dd).
inline constexpr const char* kLastReminderKey = "LastReminderDate";

// Offers, at most every 15 days, to look for an update on the maker's site.
void UpdateReminder();

// The start-up choice of which advertisement label lies in front: 1..7, drawn once.
extern std::int16_t intCoBrandRandomNumber;
void CoBrand_Randomize(frmMain& window);

// The start-up sequence after the application object exists: single instance, random seed,
// update reminder, main window, advertisement. Returns the lock to hold while the program runs,
// or null when another instance is running or the main window could not be opened (either has
// been said, and the program ended).
std::unique_ptr<InstanceLock> StartUp();

}  // namespace baralune
