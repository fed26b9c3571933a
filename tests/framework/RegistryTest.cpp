#include "framework/Registry.h"

#include <gtest/gtest.h>

#include "MemoryStore.h"
#include "framework/Exception.h"

namespace {

using testing_support::MemoryStore;
using testing_support::StringValue;

constexpr const char* kKey = "Software\\Vendor\\Key";

class RegistryTest : public testing::Test {
 protected:
  RegistryTest() {
    store.SetString(kKey, "b", "second");
    store.SetString(kKey, "a", "first");
    store.AddKey("Software\\Vendor\\Key\\Software\\Vendor\\Key");
  }

  std::string ReadError(std::string_view name) {
    try {
      registry.ReadString(name);
    } catch (const framework::RegistryError& error) {
      return error.Message();
    }
    return "no error";
  }

  MemoryStore store;
  framework::Registry registry{store};
};

TEST_F(RegistryTest, OpensOnlyExistingKeysAndNeverCreates) {
  EXPECT_FALSE(registry.OpenKey("Software\\Vendor\\Missing"));
  EXPECT_TRUE(store.Names("Software\\Vendor\\Missing").empty());
  EXPECT_EQ(store.OpenKeyCount(), 0u);
  EXPECT_TRUE(registry.OpenKey("software\\VENDOR\\key"));
  EXPECT_EQ(store.OpenKeyCount(), 1u);
}

TEST_F(RegistryTest, OpensRelativeToTheOpenKeyAndClosesItOnSuccess) {
  ASSERT_TRUE(registry.OpenKey(kKey));
  // Only the nested copy of the path below the open key can be found now.
  ASSERT_TRUE(registry.OpenKey(kKey));
  EXPECT_EQ(store.OpenKeyCount(), 1u);
  EXPECT_FALSE(registry.OpenKey(kKey));
  EXPECT_EQ(store.OpenKeyCount(), 1u);  // a failed open leaves the open key be
  // A leading backslash starts from the root.
  EXPECT_TRUE(registry.OpenKey(std::string("\\") + kKey));
  framework::StringList names;
  registry.GetValueNames(names);
  EXPECT_EQ(names.Count(), 2u);
}

TEST_F(RegistryTest, RefusedFullAccessCountsAsAbsent) {
  store.RefuseFullAccess(kKey);
  EXPECT_FALSE(registry.OpenKey(kKey));
}

TEST_F(RegistryTest, ListsNamesInEnumerationOrderAfterEmptyingTheTarget) {
  store.SetString(kKey, "", "unnamed");
  ASSERT_TRUE(registry.OpenKey(kKey));
  framework::StringList names;
  names.Add("stale");
  registry.GetValueNames(names);
  ASSERT_EQ(names.Count(), 3u);
  EXPECT_EQ(names.Get(0), "b");
  EXPECT_EQ(names.Get(1), "a");
  EXPECT_EQ(names.Get(2), "");
}

TEST_F(RegistryTest, ReadsStringsUpToTheirFirstNul) {
  store.SetValue(kKey, "expand", StringValue("%PATH%;x", store::kRegExpandSz));
  store.SetValue(kKey, "nul", StringValue(std::string("head\0tail", 9)));
  store.SetString(kKey, "ja", "http://例え.テスト/日本語");
  store.SetString(kKey, "astral", "x\U0001F600y");
  store.SetValue(kKey, "unterminated", {store::kRegSz, {'h', 0, 'i', 0}});
  store.SetValue(kKey, "odd", {store::kRegSz, {'h', 0, 'i'}});
  store.SetValue(kKey, "lone-surrogate", {store::kRegSz, {0x00, 0xD8, 'a', 0}});
  store.SetValue(kKey, "empty-dword", {store::kRegDword, {}});
  ASSERT_TRUE(registry.OpenKey(kKey));
  EXPECT_EQ(registry.ReadString("A"), "first");
  EXPECT_EQ(registry.ReadString("expand"), "%PATH%;x");
  EXPECT_EQ(registry.ReadString("nul"), "head");
  EXPECT_EQ(registry.ReadString("ja"), "http://例え.テスト/日本語");
  EXPECT_EQ(registry.ReadString("astral"), "x\U0001F600y");
  EXPECT_EQ(registry.ReadString("unterminated"), "hi");
  EXPECT_EQ(registry.ReadString("odd"), "h");
  EXPECT_EQ(registry.ReadString("lone-surrogate"), "\uFFFDa");
  EXPECT_EQ(registry.ReadString("missing"), "");
  EXPECT_EQ(registry.ReadString("empty-dword"), "");
}

TEST_F(RegistryTest, RefusesOtherTypesAndFailedReads) {
  store.SetValue(kKey, "dword", {store::kRegDword, {1, 0, 0, 0}});
  store.SetValue(kKey, "multi", StringValue("a", store::kRegMultiSz));
  store.SetValue(kKey, "binary", {store::kRegBinary, {1}});
  store.FailReadOf(kKey, "a");
  ASSERT_TRUE(registry.OpenKey(kKey));
  EXPECT_EQ(ReadError("dword"), "'dword' のﾃﾞｰﾀ型が不正です");
  EXPECT_EQ(ReadError("multi"), "'multi' のﾃﾞｰﾀ型が不正です");
  EXPECT_EQ(ReadError("binary"), "'binary' のﾃﾞｰﾀ型が不正です");
  EXPECT_EQ(ReadError("a"), "'a' の取得に失敗しました");
}

TEST_F(RegistryTest, DeleteAnswersWhetherItDeleted) {
  ASSERT_TRUE(registry.OpenKey(kKey));
  EXPECT_TRUE(registry.DeleteValue("A"));
  EXPECT_FALSE(registry.DeleteValue("a"));
  EXPECT_EQ(store.Names(kKey), std::vector<std::string>{"b"});
}

TEST_F(RegistryTest, CloseForgetsTheKeyAndIsHarmlessWhenNoneIsOpen) {
  registry.CloseKey();
  ASSERT_TRUE(registry.OpenKey(kKey));
  registry.CloseKey();
  EXPECT_EQ(store.OpenKeyCount(), 0u);
  registry.CloseKey();
  EXPECT_TRUE(registry.OpenKey(kKey));  // from the root again
}

class FailingCloseStore : public MemoryStore {
 public:
  void CloseKey(Key key) override {
    MemoryStore::CloseKey(key);
    throw store::StoreError("書き込めません");
  }
};

TEST(RegistryStoreErrors, ReachTheUserAsRegistryErrorsAndTheKeyIsForgotten) {
  FailingCloseStore store;
  store.AddKey(kKey);
  framework::Registry registry(store);
  ASSERT_TRUE(registry.OpenKey(kKey));
  EXPECT_THROW(registry.CloseKey(), framework::RegistryError);
  EXPECT_EQ(store.OpenKeyCount(), 0u);
  registry.CloseKey();  // nothing open any more
}

}  // namespace
