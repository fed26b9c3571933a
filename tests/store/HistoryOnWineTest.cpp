#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "StoreTestSupport.h"
#include "history/Listing.h"
#include "history/Purge.h"
#include "store/wine/WineUserRegistry.h"

namespace store::wine {
namespace {

using namespace store::testing;

class ListedLines : public history::HistoryLines {
 public:
  void AddLine(const std::string& line) override { lines.push_back(line); }
  std::size_t LineCount() const override { return lines.size(); }
  bool IsLineSelected(std::size_t index) const override { return selected.contains(index); }

  std::vector<std::string> lines;
  std::set<std::size_t> selected;
};

// The history logic on a real prefix's file: a fresh Wine prefix with a
// history key added, listed, partly purged and listed again.
TEST(HistoryOnWineTest, ListsAndPurgesARealPrefix) {
  TempDir dir;
  const auto userReg = dir / "user.reg";
  const std::string history = std::string(kHistoryHeader) +
                              " 1796991799\n#time=1dd896a68465c86\n\"URL_1\"=\"http://one.example/\"\n"
                              "\"URL_10\"=\"http://ten.example/\"\n\"URL_2\"=\"http://\\x65e5\\x672c.example/\"\n\n";
  const std::string fresh = ReadFile(FixturePath("fresh-prefix.user.reg"));
  const std::size_t at = fresh.find("[Software\\\\Wine");
  ASSERT_NE(at, std::string::npos);
  const std::string before = fresh.substr(0, at) + history + fresh.substr(at);
  WriteFile(userReg, before);

  WineUserRegistry registry(userReg);
  history::WindowState state;
  ListedLines lines;
  history::ListHistory(registry, state, lines);
  EXPECT_EQ(lines.lines, (std::vector<std::string>{" 1:http://one.example/", " 2:http://日本.example/",
                                                   "10:http://ten.example/"}));

  lines.selected = {0, 2};
  history::PurgeSelected(state, lines);
  std::string expected = before;
  for (const std::string_view gone : {"\"URL_1\"=\"http://one.example/\"\n", "\"URL_10\"=\"http://ten.example/\"\n"}) {
    expected.erase(expected.find(gone), gone.size());
  }
  EXPECT_EQ(MaskStamps(ReadFile(userReg), kHistoryHeader), MaskStamps(expected, kHistoryHeader));

  ListedLines after;
  history::ListHistory(registry, state, after);
  EXPECT_EQ(after.lines, std::vector<std::string>{" 2:http://日本.example/"});
}

TEST(HistoryOnWineTest, PrefixWithoutHistoryListsNothingAndWritesNothing) {
  TempDir dir;
  const auto userReg = dir / "user.reg";
  const std::string fresh = ReadFile(FixturePath("fresh-prefix.user.reg"));
  WriteFile(userReg, fresh);
  WineUserRegistry registry(userReg);
  history::WindowState state;
  ListedLines lines;
  history::ListHistory(registry, state, lines);
  EXPECT_TRUE(lines.lines.empty());
  history::PurgeSelected(state, lines);
  EXPECT_EQ(ReadFile(userReg), fresh);
  EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"user.reg"});
}

}  // namespace
}  // namespace store::wine
