#include "safe_output.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

#include "system_error.h"

namespace baralune {

namespace {

using Refusal = ReplaceResult::Refusal;

// -1 while ReplaceFile judges for the effective user.
std::atomic<long long> g_sharedFolderUser{-1};

uid_t SharedFolderUser() {
  const long long uid = g_sharedFolderUser.load();
  return uid < 0 ? geteuid() : static_cast<uid_t>(uid);
}

ReplaceResult Failed(int error) {
  return {Refusal::None, error};
}
ReplaceResult Refused(Refusal why) {
  return {why, 0};
}

// The folder part of `path` with its final slash, or "" for a bare name.
std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

ReplaceResult RefusedType(mode_t mode) {
  if (S_ISDIR(mode)) return Refused(Refusal::Folder);
  if (S_ISFIFO(mode)) return Refused(Refusal::Fifo);
  if (S_ISCHR(mode) || S_ISBLK(mode)) return Refused(Refusal::Device);
  if (S_ISSOCK(mode)) return Refused(Refusal::Socket);
  return Refused(Refusal::NotRegular);
}

// Whether `path` is someone else's entry in a shared sticky folder (such as /tmp): the kernel's
// protected_symlinks would not follow such a link, nor protected_regular open such a file (the
// superuser would hand the reading to them), and neither does Baralune.
bool IsOthersInStickyFolder(const std::string& path, const struct stat& st) {
  const std::string folder = FolderOf(path);
  struct stat dir {};
  if (stat(folder.empty() ? "." : folder.c_str(), &dir) != 0) return false;
  return (dir.st_mode & S_ISVTX) && (dir.st_mode & S_IWOTH) && st.st_uid != SharedFolderUser() &&
         st.st_uid != dir.st_uid;
}

// Follows links from `path` to the name of the file they lead to, which may not exist yet;
// `st` gets that file's status when `exists`.
ReplaceResult FollowLinks(std::string& path, struct stat& st, bool& exists) {
  for (int hops = 0;; ++hops) {
    exists = lstat(path.c_str(), &st) == 0;
    if (!exists) return errno == ENOENT ? ReplaceResult{} : Failed(errno);
    if (!S_ISLNK(st.st_mode)) return {};
    if (hops == 40) return Failed(ELOOP);
    if (IsOthersInStickyFolder(path, st)) return Refused(Refusal::PlantedLink);
    char target[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), target, sizeof target);
    if (n < 0) return Failed(errno);
    if (static_cast<std::size_t>(n) == sizeof target) return Failed(ENAMETOOLONG);
    const std::string next(target, static_cast<std::size_t>(n));
    path = next.starts_with('/') ? next : FolderOf(path) + next;
  }
}

mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void SetSharedFolderUser(std::optional<uid_t> uid) {
  g_sharedFolderUser.store(uid ? static_cast<long long>(*uid) : -1);
}

void HoldStandardDescriptors() {
  for (;;) {
    const int fd = open("/dev/null", O_RDONLY);
    if (fd < 0) return;
    if (fd > STDERR_FILENO) {
      close(fd);
      return;
    }
  }
}

int WriteFully(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n >= 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
    } else if (errno == EAGAIN) {  // a non-blocking pipe or terminal: wait for room
      pollfd ready{fd, POLLOUT, 0};
      poll(&ready, 1, -1);
    } else if (errno != EINTR) {
      return errno;
    }
  }
  return 0;
}

ReplaceResult ReplaceFile(const std::string& path, std::string_view bytes) {
  struct stat st {};
  // The kernel's view first: it also sees through links like /dev/stdout to a pipe or terminal.
  if (stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return RefusedType(st.st_mode);
  std::string target = path;
  bool exists = false;
  if (ReplaceResult followed = FollowLinks(target, st, exists); !followed.ok()) return followed;
  if (exists) {
    if (!S_ISREG(st.st_mode)) return RefusedType(st.st_mode);
    if (IsOthersInStickyFolder(target, st)) return Refused(Refusal::OthersFile);
    // Judged on the mode too, since the superuser may write to anything.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return Refused(Refusal::ReadOnly);
    if (access(target.c_str(), W_OK) != 0) return Failed(errno);
  }

  // mkstemp creates the file exclusively, never through a link, and readable by us alone.
  std::string temp = FolderOf(target) + ".baralune-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return Failed(errno);
  // Owner and mode are kept where the file system and our rights allow; if not, the new file
  // stays private to us, never more open than asked.
  if (exists && fchown(fd, st.st_uid, st.st_gid) != 0) {
    // Only the superuser may give a file to someone else.
  }
  if (fchmod(fd, exists ? st.st_mode & 07777 : NewFileMode()) != 0) {
    // FAT and the like have no modes to set.
  }
  int error = WriteFully(fd, bytes);
  while (!error && fsync(fd) != 0) {
    if (errno != EINTR) error = errno;
  }
  if (close(fd) != 0 && !error) error = errno;
  if (!error && rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error) {
    unlink(temp.c_str());
    return Failed(error);
  }
  return {};
}

std::string Describe(const ReplaceResult& result, Language language) {
  const bool english = language == Language::English;
  auto say = [english](const char* en, const char* es) { return std::string(english ? en : es); };
  switch (result.refusal) {
    case Refusal::Folder:
      return say("it is a folder", "es una carpeta");
    case Refusal::Fifo:
      return say("it is a FIFO", "es una tubería con nombre (FIFO)");
    case Refusal::Device:
      return say("it is a device", "es un dispositivo");
    case Refusal::Socket:
      return say("it is a socket", "es un socket");
    case Refusal::NotRegular:
      return say("it is not a regular file", "no es un archivo normal");
    case Refusal::ReadOnly:
      return say("the file is read-only", "el archivo es de solo lectura");
    case Refusal::PlantedLink:
      return say("it is a link someone else left in a shared folder",
                 "es un enlace que otro usuario dejó en una carpeta compartida");
    case Refusal::OthersFile:
      return say("it is someone else's file in a shared folder",
                 "es un archivo de otro usuario en una carpeta compartida");
    case Refusal::None:
      break;
  }
  return result.error != 0 ? SystemErrorText(result.error) : std::string();
}

}  // namespace baralune
