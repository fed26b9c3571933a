#include "store/wine/ServerLock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "StoreTestSupport.h"
#include "store/RegistryStore.h"
#include "store/wine/WineUserRegistry.h"

namespace store::wine {
namespace {

using namespace store::testing;

std::string ServerFolder(const std::filesystem::path& prefix) {
  struct stat info {};
  EXPECT_EQ(stat(prefix.c_str(), &info), 0);
  char name[64];
  std::snprintf(name, sizeof name, "server-%llx-%llx", static_cast<unsigned long long>(info.st_dev),
                static_cast<unsigned long long>(info.st_ino));
  return name;
}

// Holds the lock the way a running wineserver does: a write lock on byte 0
// of the file, taken by another process for as long as this object lives.
class ServerStandIn {
 public:
  explicit ServerStandIn(const std::filesystem::path& lockFile) {
    std::filesystem::create_directories(lockFile.parent_path());
    int ready[2];
    int release[2];
    if (pipe(ready) != 0 || pipe(release) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ == 0) {
      // Only the parent's end may keep the release pipe open.
      close(release[1]);
      close(ready[0]);
      const int fd = open(lockFile.c_str(), O_RDWR | O_CREAT, 0600);
      flock lock{};
      lock.l_type = F_WRLCK;
      lock.l_whence = SEEK_SET;
      lock.l_len = 1;
      const char ok = (fd >= 0 && fcntl(fd, F_SETLK, &lock) == 0) ? 'y' : 'n';
      if (write(ready[1], &ok, 1) != 1) _exit(1);
      char ignored;
      (void)!read(release[0], &ignored, 1);
      _exit(0);
    }
    close(ready[1]);
    close(release[0]);
    release_ = release[1];
    char ok = 'n';
    EXPECT_EQ(read(ready[0], &ok, 1), 1);
    close(ready[0]);
    EXPECT_EQ(ok, 'y');
  }
  ServerStandIn(const ServerStandIn&) = delete;
  ServerStandIn& operator=(const ServerStandIn&) = delete;
  ~ServerStandIn() { Stop(); }

  void Stop() {
    if (pid_ <= 0) return;
    close(release_);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int release_ = -1;
};

class ServerLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(prefix);
    WriteFile(userReg, kSmallUserReg);
    upstreamExisted = std::filesystem::exists(upstream);
  }
  // Lock folders outside the test's own folders are removed again; the
  // upstream one only if the test made it and nothing else (a real Wine,
  // a test running in parallel) uses it now.
  void TearDown() override {
    std::error_code ignored;
    for (const auto& created : cleanup) std::filesystem::remove_all(created, ignored);
    if (!upstreamExisted) std::filesystem::remove(upstream, ignored);
  }

  TempDir dir;
  TempDir tmpdir;
  std::filesystem::path prefix = dir / "prefix";
  std::filesystem::path userReg = prefix / "user.reg";
  std::vector<std::filesystem::path> cleanup;
  std::filesystem::path upstream = "/tmp/.wine-" + std::to_string(getuid());
  bool upstreamExisted = false;
};

TEST_F(ServerLockTest, LooksInBothLayouts) {
  WriteFile(prefix / "wineserver", "wine-AOqBTk");
  std::optional<ScopedEnv> env(std::in_place, "TMPDIR", tmpdir.path().c_str());
  const std::string server = ServerFolder(prefix);
  EXPECT_EQ(ServerLockFiles(prefix),
            (std::vector<std::filesystem::path>{tmpdir / "wine-AOqBTk" / server / "lock",
                                                "/tmp/wine-AOqBTk/" + server + "/lock",
                                                upstream / server / "lock"}));
  env.reset();
  std::filesystem::remove(prefix / "wineserver");
  EXPECT_EQ(ServerLockFiles(prefix), (std::vector<std::filesystem::path>{upstream / server / "lock"}));
}

// A lock file in each place a wineserver of either build would keep it.
std::vector<std::filesystem::path> LockFilesToProbe(const std::filesystem::path& prefix,
                                                    const std::filesystem::path& tmpdir) {
  const std::string server = ServerFolder(prefix);
  const std::string name = "wine-" + tmpdir.filename().string();
  return {tmpdir / name / server / "lock", "/tmp/" + name + "/" + server + "/lock",
          "/tmp/.wine-" + std::to_string(getuid()) + "/" + server + "/lock"};
}

TEST_F(ServerLockTest, RunningServerRefusesTheCommitUntilItStops) {
  const ScopedEnv env("TMPDIR", tmpdir.path().c_str());
  WriteFile(prefix / "wineserver", "wine-" + tmpdir.path().filename().string());
  const auto lockFiles = LockFilesToProbe(prefix, tmpdir.path());
  cleanup = {lockFiles[1].parent_path().parent_path(), lockFiles[2].parent_path()};
  if (!upstreamExisted && std::filesystem::create_directory(upstream)) {
    std::filesystem::permissions(upstream, std::filesystem::perms::owner_all);
  }
  for (const auto& lockFile : lockFiles) {
    SCOPED_TRACE(lockFile.string());
    const std::vector<std::string> entries = FolderEntries(prefix);
    WineUserRegistry registry(userReg);
    {
      ServerStandIn server(lockFile);
      const auto key = registry.OpenKey(std::nullopt, "Software\\Netscape\\Netscape Navigator\\URL History");
      ASSERT_TRUE(key.has_value());
      ASSERT_TRUE(registry.DeleteValue(*key, "URL_1"));
      try {
        registry.CloseKey(*key);
        ADD_FAILURE() << "committed while the server ran";
      } catch (const StoreError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(userReg.string()), std::string::npos) << message;
        EXPECT_NE(message.find("wineserver -k"), std::string::npos) << message;
      }
      EXPECT_EQ(ReadFile(userReg), kSmallUserReg);
      EXPECT_EQ(FolderEntries(prefix), entries);
      // The key was released all the same.
      EXPECT_THROW(registry.ValueCount(*key), std::invalid_argument);
    }
    // The lock file a stopped server leaves behind is no sign of one.
    ASSERT_TRUE(std::filesystem::exists(lockFile));
    const auto key = registry.OpenKey(std::nullopt, "Software\\Netscape\\Netscape Navigator\\URL History");
    ASSERT_TRUE(key.has_value());
    ASSERT_TRUE(registry.DeleteValue(*key, "URL_1"));
    registry.CloseKey(*key);
    EXPECT_EQ(ReadFile(userReg).find("one.example"), std::string::npos);
    WriteFile(userReg, kSmallUserReg);
  }
}

TEST_F(ServerLockTest, HeldLockKeepsAServerFromStarting) {
  const auto lockFile = LockFilesToProbe(prefix, tmpdir.path())[2];
  cleanup = {lockFile.parent_path()};
  std::filesystem::create_directories(lockFile.parent_path());
  WriteFile(lockFile, "");
  const ServerLock held(prefix, userReg);
  // A server starting now would try the same lock from its own process.
  const pid_t child = fork();
  if (child == 0) {
    const int fd = open(lockFile.c_str(), O_RDWR);
    flock lock{};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_len = 1;
    _exit(fd >= 0 && fcntl(fd, F_SETLK, &lock) != 0 ? 0 : 1);
  }
  int status = -1;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace store::wine
