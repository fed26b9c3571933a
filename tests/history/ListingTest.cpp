#include "history/Listing.h"

#include <gtest/gtest.h>

#include "FakeLines.h"
#include "MemoryStore.h"
#include "framework/Exception.h"

namespace {

using testing_support::MemoryStore;
using Lines = std::vector<std::string>;
constexpr std::string_view kKey = history::kHistoryKey;

class ListingTest : public testing::Test {
 protected:
  // The listing's error message, or "" when it succeeded.
  std::string List() {
    try {
      history::ListHistory(store, state, lines);
    } catch (const framework::Exception& error) {
      return error.Message();
    }
    return "";
  }

  std::vector<std::string> Numbers() const {
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i < state.EntryNumbers->Count(); ++i) numbers.push_back(state.EntryNumbers->Get(i));
    return numbers;
  }

  MemoryStore store;
  history::WindowState state;
  FakeLines lines;
};

TEST_F(ListingTest, AbsentKeyListsNothingQuietly) {
  store.AddKey("Software\\Netscape\\Netscape Navigator");
  EXPECT_EQ(List(), "");
  EXPECT_TRUE(lines.lines.empty());
  ASSERT_TRUE(state.HistoryRegistry && state.EntryNumbers && state.EntryUrls);
  EXPECT_EQ(state.EntryNumbers->Count(), 0u);
  EXPECT_EQ(store.OpenKeyCount(), 0u);
  EXPECT_TRUE(store.Names(kKey).empty());  // not created
}

TEST_F(ListingTest, KeyRefusingFullAccessListsNothing) {
  store.SetString(kKey, "URL_1", "http://a/");
  store.RefuseFullAccess(kKey);
  EXPECT_EQ(List(), "");
  EXPECT_TRUE(lines.lines.empty());
}

TEST_F(ListingTest, ListsInAscendingEntryNumberWhateverTheEnumerationOrder) {
  for (const auto& order : std::vector<Lines>{{"URL_3", "URL_1", "URL_10"},
                                              {"URL_10", "URL_3", "URL_1"},
                                              {"URL_1", "URL_10", "URL_3"}}) {
    MemoryStore fresh;
    for (const auto& name : order) fresh.SetString(kKey, name, "http://x/" + name);
    history::WindowState freshState;
    FakeLines freshLines;
    history::ListHistory(fresh, freshState, freshLines);
    EXPECT_EQ(freshLines.lines,
              (Lines{" 1:http://x/URL_1", " 3:http://x/URL_3", "10:http://x/URL_10"}));
    EXPECT_EQ(freshState.EntryUrls->Count(), 3u);
    EXPECT_EQ(fresh.OpenKeyCount(), 0u);
  }
}

TEST_F(ListingTest, SortsThreeDigitNumbersAsTextAndNegativesByTheirDigits) {
  for (const char* name : {"URL_11", "URL_100", "URL_-10", "URL_9", "URL_10", "URL_-1", "URL_2"}) {
    store.SetString(kKey, name, "");
  }
  EXPECT_EQ(List(), "");
  EXPECT_EQ(lines.lines, (Lines{" 2:", " 9:", "-1:", "10:", "-10:", "100:", "11:"}));
}

TEST_F(ListingTest, ReadsEveryValueOnceThroughItsRebuiltName) {
  store.SetString(kKey, "URL_007", "http://007/");
  store.SetString(kKey, "URL_5", "http://five/");
  store.SetString(kKey, "ABCD5", "http://abcd5/");
  store.SetString(kKey, "URL_8", "");
  store.SetString(kKey, "URL_ 9", "http://blank-nine/");
  EXPECT_EQ(List(), "");
  // URL_007 reads URL_7, which is missing; ABCD5 reads URL_5 again.
  EXPECT_EQ(lines.lines, (Lines{" 5:http://five/", " 5:http://five/", " 7:", " 8:", " 9:"}));
  EXPECT_EQ(store.ReadCount(), 5u);
}

TEST_F(ListingTest, UnnamedValueAloneIsAConversionErrorWithAnEmptyPiece) {
  store.SetString(kKey, "", "default");
  EXPECT_EQ(List(), "'' は整数ではありません");
  EXPECT_TRUE(lines.lines.empty());
  EXPECT_EQ(store.OpenKeyCount(), 0u);
}

TEST_F(ListingTest, ConversionErrorLeavesNumbersBeforeItAndRawNamesFromIt) {
  for (const char* name : {"URL_3", "URL_1", "URL_x", "URL_2"}) store.SetString(kKey, name, "u");
  EXPECT_EQ(List(), "'x' は整数ではありません");
  EXPECT_EQ(Numbers(), (Lines{" 3", " 1", "URL_x", "URL_2"}));  // unsorted
  EXPECT_TRUE(lines.lines.empty());
  EXPECT_EQ(state.EntryUrls->Count(), 0u);
  EXPECT_EQ(store.OpenKeyCount(), 0u);
}

TEST_F(ListingTest, ValueOfAnotherTypeStopsTheListingAfterTheEntriesBeforeIt) {
  store.SetString(kKey, "URL_1", "http://one/");
  store.SetValue(kKey, "URL_3", {store::kRegDword, {3, 0, 0, 0}});
  store.SetString(kKey, "URL_2", "http://two/");
  store.SetString(kKey, "URL_4", "http://four/");
  EXPECT_EQ(List(), "'URL_3' のﾃﾞｰﾀ型が不正です");
  EXPECT_EQ(lines.lines, (Lines{" 1:http://one/", " 2:http://two/"}));
  EXPECT_EQ(Numbers(), (Lines{" 1", " 2", " 3", " 4"}));
  EXPECT_EQ(state.EntryUrls->Count(), 2u);
  EXPECT_EQ(store.OpenKeyCount(), 0u);
}

TEST_F(ListingTest, FailedReadQuotesTheRebuiltName) {
  store.SetString(kKey, "URL_1", "http://one/");
  store.SetString(kKey, "URL_02", "http://two/");
  store.FailReadOf(kKey, "URL_2");
  EXPECT_EQ(List(), "'URL_2' の取得に失敗しました");
  EXPECT_EQ(lines.lines, Lines{" 1:http://one/"});
  EXPECT_EQ(store.OpenKeyCount(), 0u);
}

TEST_F(ListingTest, ShowsUrlsAsTheyAreStored) {
  store.SetString(kKey, "URL_1", "http://例え.テスト/日本語?q=東京");
  store.SetString(kKey, "URL_2", "http://ctrl/\tTAB");
  store.SetString(kKey, "URL_3", std::string(10000, 'a'));
  EXPECT_EQ(List(), "");
  ASSERT_EQ(lines.lines.size(), 3u);
  EXPECT_EQ(lines.lines[0], " 1:http://例え.テスト/日本語?q=東京");
  EXPECT_EQ(lines.lines[1], " 2:http://ctrl/\tTAB");
  EXPECT_EQ(lines.lines[2], " 3:" + std::string(10000, 'a'));
}

}  // namespace
