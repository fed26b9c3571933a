#include "history/Purge.h"

#include <gtest/gtest.h>

#include "FakeLines.h"
#include "MemoryStore.h"
#include "framework/Exception.h"
#include "history/Listing.h"

namespace {

using testing_support::MemoryStore;
using Names = std::vector<std::string>;
constexpr std::string_view kKey = history::kHistoryKey;

class PurgeTest : public testing::Test {
 protected:
  void Have(const Names& names) {
    for (const auto& name : names) store.SetString(kKey, name, "http://x/" + name);
  }

  // Lists, selects the given lines and purges; any error goes to the caller.
  void ListSelectAndPurge(std::set<std::size_t> selection) {
    history::ListHistory(store, state, lines);
    lines.selected = std::move(selection);
    history::PurgeSelected(state, lines);
  }

  MemoryStore store;
  history::WindowState state;
  FakeLines lines;
};

TEST_F(PurgeTest, NothingSelectedDeletesNothing) {
  Have({"URL_1", "URL_2"});
  ListSelectAndPurge({});
  EXPECT_EQ(store.Names(kKey), (Names{"URL_1", "URL_2"}));
  EXPECT_EQ(store.OpenKeyCount(), 0u);
}

TEST_F(PurgeTest, DeletesTheValuesBehindTheSelectedLinesOnly) {
  Have({"URL_10", "URL_1", "URL_3", "URL_2"});
  ListSelectAndPurge({1, 3});  // " 2" and "10"
  EXPECT_EQ(store.Names(kKey), (Names{"URL_1", "URL_3"}));
  EXPECT_EQ(store.OpenKeyCount(), 0u);
}

TEST_F(PurgeTest, AllSelectedLeavesNamesThatDoNotRebuildToThemselves) {
  Have({"URL_007", "URL_7", "URL_1", "ABCD5", "URL_ 4"});
  ListSelectAndPurge({0, 1, 2, 3, 4});
  EXPECT_EQ(store.Names(kKey), (Names{"URL_007", "ABCD5", "URL_ 4"}));
}

TEST_F(PurgeTest, TwoLinesForOneValueDeleteItOnceAndQuietly) {
  Have({"URL_7", "URL_07"});
  ListSelectAndPurge({0, 1});
  EXPECT_EQ(store.Names(kKey), Names{"URL_07"});
}

TEST_F(PurgeTest, ValuesAddedAfterTheListingSurviveUnlessTheirNameIsRebuilt) {
  Have({"URL_1", "URL_2"});
  history::ListHistory(store, state, lines);
  store.SetString(kKey, "URL_3", "added later");
  store.SetString(kKey, "url_2", "rewritten later");
  lines.selected = {1};
  history::PurgeSelected(state, lines);
  EXPECT_EQ(store.Names(kKey), (Names{"URL_1", "URL_3"}));
}

TEST_F(PurgeTest, KeyGoneSinceTheListingDeletesNothingQuietly) {
  Have({"URL_1"});
  history::ListHistory(store, state, lines);
  store.RefuseFullAccess(kKey);
  lines.selected = {0};
  EXPECT_NO_THROW(history::PurgeSelected(state, lines));
  EXPECT_EQ(store.Names(kKey), Names{"URL_1"});
  EXPECT_EQ(store.OpenKeyCount(), 0u);
}

TEST_F(PurgeTest, AfterAReadErrorTheLinesShownCanStillBePurged) {
  Have({"URL_1", "URL_2", "URL_4"});
  store.SetValue(kKey, "URL_3", {store::kRegDword, {3, 0, 0, 0}});
  EXPECT_THROW(history::ListHistory(store, state, lines), framework::RegistryError);
  ASSERT_EQ(lines.lines.size(), 2u);
  lines.selected = {0, 1};
  history::PurgeSelected(state, lines);
  EXPECT_EQ(store.Names(kKey), (Names{"URL_4", "URL_3"}));
  EXPECT_EQ(store.OpenKeyCount(), 0u);
}

TEST_F(PurgeTest, AfterAConversionErrorNothingIsShownAndNothingDeleted) {
  Have({"URL_1", "URL_x"});
  EXPECT_THROW(history::ListHistory(store, state, lines), framework::ConvertError);
  history::PurgeSelected(state, lines);
  EXPECT_EQ(store.Names(kKey), (Names{"URL_1", "URL_x"}));
  EXPECT_EQ(store.OpenKeyCount(), 0u);
}

TEST_F(PurgeTest, FailingSelectionQueryStopsTheLoopAndClosesTheKey) {
  Have({"URL_1", "URL_2", "URL_3"});
  history::ListHistory(store, state, lines);
  lines.selected = {0, 2};
  lines.failingIndex = 1;
  try {
    history::PurgeSelected(state, lines);
    FAIL() << "no error";
  } catch (const framework::ListIndexError& error) {
    EXPECT_EQ(error.Message(), "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています");
  }
  EXPECT_EQ(store.Names(kKey), (Names{"URL_2", "URL_3"}));
  EXPECT_EQ(store.OpenKeyCount(), 0u);
  // Pressing OK again goes on from the root.
  lines.failingIndex = SIZE_MAX;
  history::PurgeSelected(state, lines);
  EXPECT_EQ(store.Names(kKey), Names{"URL_2"});
}

class FailingCommitStore : public MemoryStore {
 public:
  void CloseKey(Key key) override {
    MemoryStore::CloseKey(key);
    if (failCommits) throw store::StoreError("書き込めません");
  }
  bool failCommits = false;
};

TEST(PurgeCommit, FailureReachesTheCallerAndARetryStartsFromTheRoot) {
  FailingCommitStore store;
  store.SetString(kKey, "URL_1", "a");
  store.SetString(kKey, "URL_2", "b");
  history::WindowState state;
  FakeLines lines;
  history::ListHistory(store, state, lines);
  lines.selected = {0};
  store.failCommits = true;
  EXPECT_THROW(history::PurgeSelected(state, lines), framework::RegistryError);
  store.failCommits = false;
  store.SetString(kKey, "URL_1", "a");  // a deferring store would not have deleted it
  history::PurgeSelected(state, lines);
  EXPECT_EQ(store.Names(kKey), Names{"URL_2"});
  EXPECT_EQ(store.OpenKeyCount(), 0u);
}

}  // namespace
