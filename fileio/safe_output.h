#pragma once
// Writing a report to standard output or to a file, so that a failure is always noticed and
// said, and a file is either wholly replaced or left as it was.
#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

#include "language.h"

namespace baralune {

// Keeps descriptors 0-2 taken: a closed one gets /dev/null opened read-only in its place, so
// writes to it still fail and no file opened later can take its number.
void HoldStandardDescriptors();

// Writes all of `bytes`, going on after interrupted and short writes. Returns 0, or the errno
// of the write that failed.
int WriteFully(int fd, std::string_view bytes);

// Replaces the file at `path` with `bytes`. They go to a new, uniquely named file in the same
// folder, renamed over `path` once complete and on disk, and removed if anything fails; nothing
// else is created, replaced or removed. A link at `path` is followed and its target written. An
// existing file keeps its mode and, where allowed, its owner; a new one gets 0666 less the umask.
// A read-only file, or anything that is not a regular file, is refused and left as it is.
struct ReplaceResult {
  // Why the target was refused before anything was written, if it was.
  enum class Refusal {
    None,
    Folder,
    Fifo,
    Device,
    Socket,
    NotRegular,
    ReadOnly,
    PlantedLink,
    OthersFile,  // someone else's file in a shared sticky folder, which root would hand them
  };
  Refusal refusal = Refusal::None;
  int error = 0;  // errno of the step that failed, when not refused
  bool ok() const { return refusal == Refusal::None && error == 0; }
};
ReplaceResult ReplaceFile(const std::string& path, std::string_view bytes);

// The user ReplaceFile judges a shared folder's files and links for: the effective user, or
// `uid` once set. Only the superuser can give a file to someone else, so the tests of those
// refusals take another user's place with this instead.
void SetSharedFolderUser(std::optional<uid_t> uid);

// A few words saying why nothing was written, in `language`: the refusal, or the system's
// reason (in the language SetSystemErrorLanguage chose).
std::string Describe(const ReplaceResult& result, Language language = Language::English);

}  // namespace baralune
