#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "StoreTestSupport.h"
#include "store/wine/Rewrite.h"
#include "store/wine/WineUserRegistry.h"

namespace store::wine {
namespace {

using namespace store::testing;
using Clock = std::chrono::steady_clock;

constexpr std::string_view kHistory = "Software\\Netscape\\Netscape Navigator\\URL History";
constexpr int kEntries = 3000;

std::string BigUserReg() {
  std::string text = "WINE REGISTRY Version 2\n\n" + std::string(kHistoryHeader) + " 1796990000\n#time=1dd896a68465c86\n";
  for (int i = 0; i < kEntries; ++i) {
    text += "\"URL_" + std::to_string(i) + "\"=\"http://www.example.com/" + std::string(200, 'p') + "\"\n";
  }
  text += "\n[Software\\\\After] 1796990000\n\"v\"=\"kept\"\n";
  return text;
}

// Starts a child that deletes every even entry and commits, and kills it
// after `delay`, or lets it finish when there is none.
void CommitAndKill(const std::filesystem::path& userReg, std::optional<Clock::duration> delay) {
  const pid_t child = fork();
  if (child == 0) {
    WineUserRegistry registry(userReg);
    const auto key = registry.OpenKey(std::nullopt, kHistory);
    if (!key) _exit(1);
    for (int i = 0; i < kEntries; i += 2) registry.DeleteValue(*key, "URL_" + std::to_string(i));
    try {
      registry.CloseKey(*key);
    } catch (...) {
      _exit(2);
    }
    _exit(0);
  }
  if (delay) {
    std::this_thread::sleep_for(*delay);
    kill(child, SIGKILL);
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!delay) {
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
}

TEST(KilledCommitTest, FileIsAlwaysExactlyOldOrNew) {
  TempDir dir;
  const auto prefix = dir / "prefix";
  std::filesystem::create_directory(prefix);
  const auto userReg = prefix / "user.reg";
  const std::string old = BigUserReg();
  WriteFile(userReg, old);

  const auto start = Clock::now();
  CommitAndKill(userReg, std::nullopt);
  const auto duration = Clock::now() - start;
  const std::string fresh = MaskStamps(ReadFile(userReg), kHistoryHeader);
  ASSERT_NE(fresh, MaskStamps(old, kHistoryHeader));
  ASSERT_EQ(ReadFile(userReg).find("\"URL_2\"="), std::string::npos);

  constexpr int kPoints = 50;
  int sawOld = 0;
  int sawNew = 0;
  for (int point = 0; point < kPoints; ++point) {
    WriteFile(userReg, old);
    // Up to twice the measured time, so that late points see commits that
    // finished even when a run is slower than the measured one.
    CommitAndKill(userReg, duration * 2 * point / kPoints);
    const std::string now = ReadFile(userReg);
    if (now == old) {
      ++sawOld;
    } else {
      EXPECT_EQ(MaskStamps(now, kHistoryHeader), fresh) << "killed at point " << point;
      ++sawNew;
    }
    // A killed commit may leave its temporary file; only user.reg matters.
    for (const auto& entry : std::filesystem::directory_iterator(prefix)) {
      if (entry.path() != userReg) std::filesystem::remove(entry.path());
    }
  }
  // Points spread over the commit see both outcomes.
  EXPECT_GT(sawOld, 0);
  EXPECT_GT(sawNew, 0);
}

}  // namespace
}  // namespace store::wine
