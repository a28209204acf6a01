#pragma once
#include <QString>
#include <string_view>

namespace baralune {

// Replaces the file at `path` with `bytes` (written beside it and renamed over it, so a failure
// leaves an existing file as it was). Returns an empty string, or the reason nothing was saved
// in the user's words: the system's own ("No space left on device", "Permission denied") or why
// the target was refused (a folder, a read-only file, a device).
QString SaveFile(const QString& path, std::string_view bytes);

}  // namespace baralune
