#include "store/wine/WineUserRegistry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "StoreTestSupport.h"

namespace store::wine {
namespace {

using namespace store::testing;
constexpr std::string_view kHistory = "Software\\Netscape\\Netscape Navigator\\URL History";

class WineUserRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(prefix);
    WriteFile(userReg, kSmallUserReg);
  }

  // Deletes `names` from the history key and closes it.
  void Purge(WineUserRegistry& registry, std::initializer_list<const char*> names) {
    const auto key = registry.OpenKey(std::nullopt, kHistory);
    ASSERT_TRUE(key.has_value());
    for (const char* name : names) EXPECT_TRUE(registry.DeleteValue(*key, name)) << name;
    registry.CloseKey(*key);
  }

  TempDir dir;
  std::filesystem::path prefix = dir / "prefix";
  std::filesystem::path userReg = prefix / "user.reg";
};

TEST_F(WineUserRegistryTest, OpensOnlyWhatExists) {
  WineUserRegistry registry(userReg);
  EXPECT_TRUE(registry.OpenKey(std::nullopt, kHistory).has_value());
  EXPECT_TRUE(registry.OpenKey(std::nullopt, "SOFTWARE\\netscape").has_value());
  EXPECT_TRUE(registry.OpenKey(std::nullopt, "").has_value());
  EXPECT_FALSE(registry.OpenKey(std::nullopt, "Software\\Netscape\\Missing").has_value());
  const auto software = registry.OpenKey(std::nullopt, "Software");
  ASSERT_TRUE(software.has_value());
  const auto below = registry.OpenKey(software, "Netscape\\Netscape Navigator\\URL History");
  ASSERT_TRUE(below.has_value());
  EXPECT_EQ(registry.ValueCount(*below), 4u);
  EXPECT_FALSE(registry.OpenKey(software, "Other\\Deeper").has_value());

  for (const auto& missing : {dir / "no-prefix" / "user.reg", dir / "user.reg", userReg / "x"}) {
    EXPECT_FALSE(WineUserRegistry(missing).OpenKey(std::nullopt, kHistory).has_value()) << missing;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "no-prefix"));
  EXPECT_FALSE(std::filesystem::exists(dir / "user.reg"));
}

TEST_F(WineUserRegistryTest, ValuesReadInWineOrderWithTheirRawData) {
  WineUserRegistry registry(userReg);
  const auto key = registry.OpenKey(std::nullopt, kHistory);
  ASSERT_TRUE(key.has_value());
  ASSERT_EQ(registry.ValueCount(*key), 4u);
  EXPECT_EQ(registry.ValueName(*key, 0), "Bin");
  EXPECT_EQ(registry.ValueName(*key, 3), "URL_3");
  const QueryResult url = registry.QueryValue(*key, "url_1");
  EXPECT_EQ(url.status, QueryResult::Status::Found);
  EXPECT_EQ(url.value.type, kRegSz);
  EXPECT_EQ(url.value.data, Utf16Z(u"http://one.example/"));
  const QueryResult raw = registry.QueryValue(*key, "URL_3");
  EXPECT_EQ(raw.value.type, kRegSz);
  EXPECT_EQ(raw.value.data, (std::vector<std::uint8_t>{0x68, 0, 0x69, 0}));
  EXPECT_EQ(registry.QueryValue(*key, "Bin").value.data, (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(registry.QueryValue(*key, "URL_4").status, QueryResult::Status::NotFound);
  registry.CloseKey(*key);
}

TEST_F(WineUserRegistryTest, UnicodeNamesCrossAsUtf8) {
  WriteFile(userReg, "WINE REGISTRY Version 2\n[\\x65e5\\x672c] 1\n\"\\x540d\\xd83d\\xde00\"=\"v\"\n");
  WineUserRegistry registry(userReg);
  const auto key = registry.OpenKey(std::nullopt, "日本");
  ASSERT_TRUE(key.has_value());
  ASSERT_EQ(registry.ValueCount(*key), 1u);
  EXPECT_EQ(registry.ValueName(*key, 0), "名😀");
  EXPECT_EQ(registry.QueryValue(*key, "名😀").status, QueryResult::Status::Found);
}

TEST_F(WineUserRegistryTest, NotARegistryIsAnErrorNamingTheFile) {
  for (const std::string& text : {std::string(), std::string("WINE REGISTRY Version 1\n"),
                                 std::string("\xEF\xBB\xBFWINE REGISTRY Version 2\n"),
                                 std::string("WINE REGISTRY Version 2 \n"), std::string("WINE REGISTRY Version 2\r"),
                                 std::string("wine registry version 2\n"), std::string("WINE REGISTRY Version 2\n\0", 25)}) {
    WriteFile(userReg, text);
    try {
      WineUserRegistry(userReg).OpenKey(std::nullopt, kHistory);
      ADD_FAILURE() << "no error for " << ::testing::PrintToString(text);
    } catch (const StoreError& error) {
      EXPECT_NE(std::string(error.what()).find(userReg.string()), std::string::npos) << error.what();
    }
  }
  for (const std::string text : {"WINE REGISTRY Version 2", "WINE REGISTRY Version 2\r\n[A]\r\n"}) {
    WriteFile(userReg, text);
    EXPECT_TRUE(WineUserRegistry(userReg).OpenKey(std::nullopt, "").has_value()) << text;
  }
  std::filesystem::remove(userReg);
  std::filesystem::create_directory(userReg);
  EXPECT_THROW(WineUserRegistry(userReg).OpenKey(std::nullopt, kHistory), StoreError);
}

TEST_F(WineUserRegistryTest, PermissionsDecideBetweenAbsentAndError) {
  // Each case: the file's mode, whether its folder is the unprivileged
  // user's, and what opening gives: 0 a key, 1 no key, 2 an error.
  struct Case {
    mode_t mode;
    bool ownFolder;
    int expected;
  };
  for (const Case c : {Case{0644, true, 0}, Case{0444, true, 1}, Case{0644, false, 1}, Case{0200, true, 2}}) {
    SCOPED_TRACE(std::to_string(c.mode) + (c.ownFolder ? " own folder" : " root's folder"));
    ASSERT_EQ(chown(userReg.c_str(), UnprivilegedUid(), UnprivilegedGid()), 0);
    ASSERT_EQ(chmod(userReg.c_str(), c.mode), 0);
    ASSERT_EQ(chown(prefix.c_str(), c.ownFolder ? UnprivilegedUid() : 0, c.ownFolder ? UnprivilegedGid() : 0), 0);
    const int got = RunUnprivileged([&] {
      try {
        return WineUserRegistry(userReg).OpenKey(std::nullopt, kHistory) ? 0 : 1;
      } catch (const StoreError&) {
        return 2;
      }
    });
    EXPECT_EQ(got, c.expected);
  }
}

TEST_F(WineUserRegistryTest, CommitRemovesTheLinesAndRestampsTheKey) {
  WineUserRegistry registry(userReg);
  const std::time_t before = std::time(nullptr);
  Purge(registry, {"url_1", "Bin"});
  const std::string after = ReadFile(userReg);
  std::string expected(kSmallUserReg);
  for (const std::string_view gone : {"\"URL_1\"=\"http://one.example/\"\n", "\"Bin\"=hex:01,02,\\\n  03\n"}) {
    expected.erase(expected.find(gone), gone.size());
  }
  EXPECT_EQ(MaskStamps(after, kHistoryHeader), MaskStamps(expected, kHistoryHeader));
  const std::size_t seconds = after.find(kHistoryHeader) + kHistoryHeader.size() + 1;
  const long stamped = std::stol(after.substr(seconds, 10));
  EXPECT_GE(stamped, before);
  EXPECT_LE(stamped, std::time(nullptr));
  EXPECT_EQ(FolderEntries(prefix), std::vector<std::string>{"user.reg"});
}

TEST_F(WineUserRegistryTest, DeletedValuesAreGoneAtOnce) {
  WineUserRegistry registry(userReg);
  const auto key = registry.OpenKey(std::nullopt, kHistory);
  ASSERT_TRUE(key.has_value());
  EXPECT_TRUE(registry.DeleteValue(*key, "URL_2"));
  EXPECT_FALSE(registry.DeleteValue(*key, "url_2"));
  EXPECT_FALSE(registry.DeleteValue(*key, "URL_9"));
  EXPECT_EQ(registry.ValueCount(*key), 3u);
  EXPECT_EQ(registry.QueryValue(*key, "URL_2").status, QueryResult::Status::NotFound);
  // Nothing reaches the file before the key is closed.
  EXPECT_EQ(ReadFile(userReg), kSmallUserReg);
  registry.CloseKey(*key);
  EXPECT_EQ(ReadFile(userReg).find("URL_2"), std::string::npos);
  EXPECT_THROW(registry.ValueCount(*key), std::invalid_argument);
}

TEST_F(WineUserRegistryTest, NothingDeletedWritesNothing) {
  struct stat before {};
  ASSERT_EQ(stat(userReg.c_str(), &before), 0);
  WineUserRegistry registry(userReg);
  const auto key = registry.OpenKey(std::nullopt, kHistory);
  ASSERT_TRUE(key.has_value());
  EXPECT_FALSE(registry.DeleteValue(*key, "URL_9"));
  registry.CloseKey(*key);
  // Deleted here, but gone from the file already when the key closes.
  const auto again = registry.OpenKey(std::nullopt, kHistory);
  ASSERT_TRUE(again.has_value());
  EXPECT_TRUE(registry.DeleteValue(*again, "URL_1"));
  std::string without(kSmallUserReg);
  without.erase(without.find("\"URL_1\"=\"http://one.example/\"\n"), 31);
  WriteFile(userReg, without);
  ASSERT_EQ(stat(userReg.c_str(), &before), 0);
  registry.CloseKey(*again);
  struct stat after {};
  ASSERT_EQ(stat(userReg.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
  EXPECT_EQ(ReadFile(userReg), without);
}

TEST_F(WineUserRegistryTest, AnotherWritersChangesSurviveTheCommit) {
  WineUserRegistry registry(userReg);
  const auto key = registry.OpenKey(std::nullopt, kHistory);
  ASSERT_TRUE(key.has_value());
  EXPECT_TRUE(registry.DeleteValue(*key, "URL_1"));
  EXPECT_TRUE(registry.DeleteValue(*key, "URL_2"));
  // Replaced the way Wine saves: a new file renamed over the old one, and
  // grown far beyond the file the key was opened from.
  std::string grown = "\n[Software\\\\Grown] 1796999999\n";
  for (int i = 0; i < 1000; ++i) grown += "\"G" + std::to_string(i) + "\"=\"" + std::string(60, 'g') + "\"\n";
  const std::string replaced =
      "WINE REGISTRY Version 2\n\n[Software\\\\Netscape\\\\Netscape Navigator\\\\URL History] 1796999999\n"
      "#time=1dd896a68465c86\n\"URL_1\"=\"http://changed.example/\"\n\"URL_4\"=\"http://new.example/\"\n"
      "\"URL_2\"=\"http://two.example/\"\n\n[Software\\\\New] 1796999999\n\"URL_2\"=\"kept\"\n" +
      grown;
  WriteFile(prefix / "reg.tmp", replaced);
  std::filesystem::rename(prefix / "reg.tmp", userReg);
  registry.CloseKey(*key);
  EXPECT_EQ(MaskStamps(ReadFile(userReg), kHistoryHeader),
            MaskStamps("WINE REGISTRY Version 2\n\n[Software\\\\Netscape\\\\Netscape Navigator\\\\URL History] "
                       "1796999999\n#time=1dd896a68465c86\n\"URL_4\"=\"http://new.example/\"\n\n"
                       "[Software\\\\New] 1796999999\n\"URL_2\"=\"kept\"\n" +
                           grown,
                       kHistoryHeader));
}

TEST_F(WineUserRegistryTest, KeepsModeOwnerAndGroup) {
  ASSERT_EQ(chown(userReg.c_str(), UnprivilegedUid(), UnprivilegedGid()), 0);
  ASSERT_EQ(chmod(userReg.c_str(), 0640), 0);
  WineUserRegistry registry(userReg);
  Purge(registry, {"URL_1"});
  struct stat info {};
  ASSERT_EQ(stat(userReg.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(info.st_uid, UnprivilegedUid());
  EXPECT_EQ(info.st_gid, UnprivilegedGid());
}

TEST_F(WineUserRegistryTest, SymlinkedFileIsReplacedWhereItReallyIs) {
  const auto elsewhere = dir / "elsewhere";
  std::filesystem::create_directory(elsewhere);
  std::filesystem::rename(userReg, elsewhere / "real.reg");
  std::filesystem::create_symlink("../elsewhere/real.reg", userReg);
  WineUserRegistry registry(userReg);
  Purge(registry, {"URL_2"});
  EXPECT_TRUE(std::filesystem::is_symlink(userReg));
  EXPECT_EQ(std::filesystem::read_symlink(userReg), "../elsewhere/real.reg");
  EXPECT_EQ(ReadFile(elsewhere / "real.reg").find("URL_2"), std::string::npos);
  EXPECT_NE(ReadFile(elsewhere / "real.reg").find("URL_1"), std::string::npos);
  EXPECT_EQ(FolderEntries(elsewhere), std::vector<std::string>{"real.reg"});
  EXPECT_EQ(FolderEntries(prefix), std::vector<std::string>{"user.reg"});

  // The folder that counts for writing is the real file's.
  ASSERT_EQ(chown(elsewhere.c_str(), 0, 0), 0);
  ASSERT_EQ(chown((elsewhere / "real.reg").c_str(), UnprivilegedUid(), UnprivilegedGid()), 0);
  ASSERT_EQ(chown(prefix.c_str(), UnprivilegedUid(), UnprivilegedGid()), 0);
  EXPECT_EQ(RunUnprivileged([&] { return WineUserRegistry(userReg).OpenKey(std::nullopt, kHistory) ? 0 : 1; }), 1);

  std::filesystem::remove(elsewhere / "real.reg");
  EXPECT_FALSE(WineUserRegistry(userReg).OpenKey(std::nullopt, kHistory).has_value());
}

}  // namespace
}  // namespace store::wine
