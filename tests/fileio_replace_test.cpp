// ReplaceFile's refusals and failures, each for reasons the superuser cannot override either:
// every one is reported, and whatever stood at the path is left exactly as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "safe_output.h"

namespace baralune {
namespace {

namespace fs = std::filesystem;
using Refusal = ReplaceResult::Refusal;

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// What an entry is, without following a link: changed by any write, rename or chmod.
std::string Identity(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return "missing";
  return std::to_string(st.st_mode) + " " + std::to_string(st.st_ino) + " " +
         std::to_string(st.st_size) + " " + std::to_string(st.st_mtim.tv_sec) + "." +
         std::to_string(st.st_mtim.tv_nsec);
}

std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

class ReplaceFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "baralune-fileio-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    SetSharedFolderUser(std::nullopt);
    for (const std::string& path : removeAfter) unlink(path.c_str());
    fs::remove_all(dir);
  }
  std::string At(const std::string& name) const { return dir + "/" + name; }

  // Replaces `path` expecting `refusal` or `error`, and checks that it was said and that
  // `path` and the test's folder are as they were.
  void ExpectNothingWritten(const std::string& path, Refusal refusal, int error = 0) {
    const std::string before = Identity(path);
    const std::set<std::string> namesBefore = Names(dir);
    const ReplaceResult result = ReplaceFile(path, "new report");
    EXPECT_FALSE(result.ok()) << path;
    EXPECT_EQ(result.refusal, refusal) << path;
    EXPECT_EQ(result.error, error) << path << ": " << std::strerror(result.error);
    EXPECT_FALSE(Describe(result).empty()) << path;
    if (error != 0) {
      EXPECT_EQ(Describe(result), std::strerror(error));
    }
    EXPECT_EQ(Identity(path), before) << path;
    EXPECT_EQ(Names(dir), namesBefore) << path;
  }

  std::string dir;
  std::vector<std::string> removeAfter;
};

TEST_F(ReplaceFileTest, WhatIsNotARegularFileIsRefused) {
  ASSERT_EQ(mkdir(At("folder").c_str(), 0755), 0);
  ExpectNothingWritten(At("folder"), Refusal::Folder);
  ASSERT_EQ(symlink("folder", At("to-folder").c_str()), 0);
  ExpectNothingWritten(At("to-folder"), Refusal::Folder);

  // A FIFO would block the writer for ever if it were opened.
  ASSERT_EQ(mkfifo(At("fifo").c_str(), 0644), 0);
  ExpectNothingWritten(At("fifo"), Refusal::Fifo);

  const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(sock, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = At("socket");
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
  ASSERT_EQ(bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ExpectNothingWritten(socketPath, Refusal::Socket);
  close(sock);

  // Any user can point a link at a device.
  ASSERT_EQ(symlink("/dev/null", At("device").c_str()), 0);
  ExpectNothingWritten(At("device"), Refusal::Device);
}

TEST_F(ReplaceFileTest, AReadOnlyFileIsRefusedEvenForTheSuperuser) {
  Write(At("kept.rtf"), "kept");
  ASSERT_EQ(chmod(At("kept.rtf").c_str(), 0444), 0);
  ExpectNothingWritten(At("kept.rtf"), Refusal::ReadOnly);
  EXPECT_EQ(Contents(At("kept.rtf")), "kept");
}

TEST_F(ReplaceFileTest, PathsThatCannotBeWrittenGiveTheSystemsReason) {
  ExpectNothingWritten(At("missing/report.rtf"), Refusal::None, ENOENT);
  Write(At("file"), "in the way");
  ExpectNothingWritten(At("file/report.rtf"), Refusal::None, ENOTDIR);
  ExpectNothingWritten(At(std::string(NAME_MAX + 1, 'n')), Refusal::None, ENAMETOOLONG);
  ASSERT_EQ(symlink("loop-b", At("loop-a").c_str()), 0);
  ASSERT_EQ(symlink("loop-a", At("loop-b").c_str()), 0);
  ExpectNothingWritten(At("loop-a"), Refusal::None, ELOOP);
  EXPECT_EQ(Contents(At("file")), "in the way");
}

TEST_F(ReplaceFileTest, AWriteCutShortLeavesTheOldFileAndNoTemporaryOne) {
  Write(At("old.rtf"), "old report");
  // A file-size limit stops the write half way, for the superuser too.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const ReplaceResult result = ReplaceFile(At("old.rtf"), std::string(10000, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(result.error, EFBIG);
  EXPECT_EQ(Describe(result), std::strerror(EFBIG));
  EXPECT_EQ(Contents(At("old.rtf")), "old report");
  EXPECT_EQ(Names(dir), std::set<std::string>{"old.rtf"});
}

// In a shared sticky folder (such as /tmp) another user's file or link is refused, as the kernel's
// protected_regular and protected_symlinks would refuse them. The entry must belong to someone
// other than the folder's owner: the superuser hands it to nobody, anyone else owns it already
// and takes the place of a stranger.
TEST_F(ReplaceFileTest, AnotherUsersFileOrLinkInASharedFolderIsRefused) {
  std::string shared;
  struct stat folder {};
  for (const char* candidate : {"/tmp", "/var/tmp", "/dev/shm"}) {
    if (stat(candidate, &folder) == 0 && (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH)) {
      shared = candidate;
      break;
    }
  }
  ASSERT_FALSE(shared.empty()) << "no shared sticky folder on this system";

  std::string planted = shared + "/baralune-planted-XXXXXX";
  const int fd = mkstemp(planted.data());
  ASSERT_GE(fd, 0);
  close(fd);
  removeAfter.push_back(planted);
  const std::string link = planted + ".link";
  ASSERT_EQ(symlink(At("victim").c_str(), link.c_str()), 0);
  removeAfter.push_back(link);
  Write(At("victim"), "victim");
  ASSERT_EQ(chmod(planted.c_str(), 0666), 0);
  const uid_t owner = geteuid() == folder.st_uid ? 65534 : geteuid();
  ASSERT_EQ(lchown(planted.c_str(), owner, static_cast<gid_t>(-1)), 0);
  ASSERT_EQ(lchown(link.c_str(), owner, static_cast<gid_t>(-1)), 0);

  uid_t stranger = 1;
  while (stranger == owner || stranger == folder.st_uid) ++stranger;
  SetSharedFolderUser(stranger);
  ExpectNothingWritten(planted, Refusal::OthersFile);
  ExpectNothingWritten(link, Refusal::PlantedLink);
  EXPECT_EQ(Contents(At("victim")), "victim");

  // Their owner writes to them as to any file.
  SetSharedFolderUser(owner);
  EXPECT_TRUE(ReplaceFile(planted, "owner's report").ok());
  EXPECT_EQ(Contents(planted), "owner's report");
  EXPECT_TRUE(ReplaceFile(link, "owner's report").ok());
  EXPECT_EQ(Contents(At("victim")), "owner's report");
}

}  // namespace
}  // namespace baralune
