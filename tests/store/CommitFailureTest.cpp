#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "StoreTestSupport.h"
#include "store/wine/WineUserRegistry.h"

namespace store::wine {
namespace {

using namespace store::testing;
constexpr std::string_view kHistory = "Software\\Netscape\\Netscape Navigator\\URL History";

// Exit codes of the committing child.
constexpr int kCommitted = 0;
constexpr int kRefused = 1;       // StoreError naming the file and the cause
constexpr int kVague = 2;         // StoreError without them
constexpr int kNotOpened = 3;

class CommitFailureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(prefix);
    // Large enough that a write limit below its size stops the commit.
    std::string text(kSmallUserReg);
    text += "\n[Software\\\\Filler] 1796990000\n";
    for (int i = 0; i < 2000; ++i) text += "\"F" + std::to_string(i) + "\"=\"" + std::string(40, 'f') + "\"\n";
    original = text;
    WriteFile(userReg, original);
  }

  // Opens the history key, deletes URL_1, runs `between` and closes the key.
  int Commit(const std::string& cause, const std::function<void()>& between = [] {}) const {
    WineUserRegistry registry(userReg);
    const auto opened = registry.OpenKey(std::nullopt, kHistory);
    if (!opened || !registry.DeleteValue(*opened, "URL_1")) return kNotOpened;
    between();
    try {
      registry.CloseKey(*opened);
      return kCommitted;
    } catch (const StoreError& error) {
      const std::string message = error.what();
      const bool clear = message.find(userReg.string()) != std::string::npos && message.find(cause) != std::string::npos;
      if (!clear) std::fprintf(stderr, "message: %s\n", message.c_str());
      return clear ? kRefused : kVague;
    }
  }

  void ExpectUntouched() const {
    EXPECT_EQ(ReadFile(userReg), original);
    EXPECT_EQ(FolderEntries(prefix), std::vector<std::string>{"user.reg"});
  }

  TempDir dir;
  std::filesystem::path prefix = dir / "prefix";
  std::filesystem::path userReg = prefix / "user.reg";
  std::string original;
};

TEST_F(CommitFailureTest, WriteLimitRefusesAndLeavesNoTrace) {
  ASSERT_EQ(chown(prefix.c_str(), UnprivilegedUid(), UnprivilegedGid()), 0);
  ASSERT_EQ(chown(userReg.c_str(), UnprivilegedUid(), UnprivilegedGid()), 0);
  const int status = RunUnprivileged([&] {
    // The limit makes write() fail with EFBIG instead of killing the process.
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(original.size() / 2), static_cast<rlim_t>(original.size() / 2)};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 9;
    return Commit("ファイルサイズの上限");
  });
  EXPECT_EQ(status, kRefused);
  ExpectUntouched();
}

TEST_F(CommitFailureTest, FolderMadeReadOnlyBeforeTheCommit) {
  ASSERT_EQ(chown(prefix.c_str(), UnprivilegedUid(), UnprivilegedGid()), 0);
  ASSERT_EQ(chown(userReg.c_str(), UnprivilegedUid(), UnprivilegedGid()), 0);
  const int status =
      RunUnprivileged([&] { return Commit("アクセスが拒否されました", [&] { chmod(prefix.c_str(), 0555); }); });
  EXPECT_EQ(status, kRefused);
  ASSERT_EQ(chmod(prefix.c_str(), 0755), 0);
  ExpectUntouched();
}

TEST_F(CommitFailureTest, FileThatStoppedBeingARegistryIsLeftAlone) {
  EXPECT_EQ(Commit("Wine のレジストリファイルではありません", [&] {
              WriteFile(userReg, "garbage\n");
              original = "garbage\n";
            }),
            kRefused);
  ExpectUntouched();
}

TEST_F(CommitFailureTest, VanishedFileIsNotRecreated) {
  EXPECT_EQ(Commit("", [&] { std::filesystem::remove(userReg); }), kRefused);
  EXPECT_TRUE(FolderEntries(prefix).empty());
}

TEST_F(CommitFailureTest, RetryAfterAFailureCommitsFromTheFileAsItIsThen) {
  ASSERT_EQ(chown(prefix.c_str(), UnprivilegedUid(), UnprivilegedGid()), 0);
  ASSERT_EQ(chown(userReg.c_str(), UnprivilegedUid(), UnprivilegedGid()), 0);
  const int status = RunUnprivileged([&] {
    const int first = Commit("アクセスが拒否されました", [&] { chmod(prefix.c_str(), 0555); });
    chmod(prefix.c_str(), 0755);
    return first == kRefused ? Commit("") : 10 + first;
  });
  EXPECT_EQ(status, kCommitted);
  const std::string after = ReadFile(userReg);
  EXPECT_EQ(after.find("one.example"), std::string::npos);
  EXPECT_NE(after.find("two.example"), std::string::npos);
  EXPECT_EQ(FolderEntries(prefix), std::vector<std::string>{"user.reg"});
}

}  // namespace
}  // namespace store::wine
