#include "store/wine/NameCompare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace store::wine {
namespace {

// The order Wine enumerated and saved the values of Software\WineProbe\Order.
TEST(NameCompareTest, SortsAsWineEnumerates) {
  const std::vector<std::u16string> wine = {
      u"1",  u"10", u"9",  u"[",  u"_",  u"`",  u"a",      u"a b",    u"a-b",    u"A_",
      u"aa", u"Ab", u"AB2", u"b", u"B1", u"Z",  u"z1",     u"ZZ",     u"{",      u"~",
      u"\u00c4", u"\u00e4x", u"\u00e9", u"\u0101", u"\u0100z"};
  std::vector<std::u16string> sorted = wine;
  std::reverse(sorted.begin(), sorted.end());
  std::sort(sorted.begin(), sorted.end(),
            [](const auto& a, const auto& b) { return CompareNames(a, b) < 0; });
  EXPECT_EQ(sorted, wine);
}

TEST(NameCompareTest, MatchesIgnoringCase) {
  EXPECT_TRUE(SameName(u"URL_1", u"url_1"));
  EXPECT_TRUE(SameName(u"\u00c4", u"\u00e4"));
  EXPECT_TRUE(SameName(u"\u0416", u"\u0436"));  // Cyrillic Zhe
  EXPECT_TRUE(SameName(u"", u""));
  EXPECT_FALSE(SameName(u"URL_1", u"URL_1 "));
  EXPECT_FALSE(SameName(u"URL_", u"URL"));
  EXPECT_FALSE(SameName(u"\xd800", u"\xdc00"));
}

TEST(NameCompareTest, ShorterNameFirstOnEqualPrefix) {
  EXPECT_LT(CompareNames(u"URL_1", u"URL_10"), 0);
  EXPECT_GT(CompareNames(u"url_10", u"URL_1"), 0);
  EXPECT_LT(CompareNames(u"", u"a"), 0);
}

}  // namespace
}  // namespace store::wine
