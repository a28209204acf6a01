#pragma once
#include <QString>
#include <string_view>

class QWidget;

namespace baralune {

// Replaces the file at `path` with `bytes` (written beside it and renamed over it, so a failure
// leaves an existing file as it was). Returns an empty string, or the reason nothing was saved
// in the user's words: the system's own ("No space left on device", "Permission denied") or why
// the target was refused (a folder, a read-only file, a device).
QString SaveFile(const QString& path, std::string_view bytes);

// The folder the Save dialog opens in: the one the user last saved to, while it exists;
// otherwise their Documents folder, or their home folder where there is none.
QString SaveFolder();
// Remembers the folder of `path`, just saved, in the settings for the next Save.
void RememberSaveFolder(const QString& path);

// Asks for the file to save to in a dialog titled with the program's name that opens in
// SaveFolder() with `suggested` as the name. Returns the path chosen, with `suffix` added when
// the name has no extension, or an empty string when the user cancelled.
QString AskSavePath(QWidget* parent, const QString& filter, const QString& suffix,
                    const QString& suggested = {});

// `path`, with `suffix` added when its name has no extension.
QString WithDefaultSuffix(const QString& path, const QString& suffix);

}  // namespace baralune
