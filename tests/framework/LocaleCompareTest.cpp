#include "framework/LocaleCompare.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/StringList.h"

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

// Every pair of a list in the expected order must compare that way both ways.
void ExpectStrictOrder(const std::vector<std::string>& ordered) {
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    for (std::size_t j = 0; j < ordered.size(); ++j) {
      const int expected = (i > j) - (i < j);
      EXPECT_EQ(Sign(framework::CompareTextLocale(ordered[i], ordered[j])), expected)
          << "'" << ordered[i] << "' vs '" << ordered[j] << "'";
    }
  }
}

TEST(LocaleCompare, OrdersEntryNumbersAsTheWindowsLocaleDoes) {
  ExpectStrictOrder({" 1", " 9", "-1", "10", "-10", "100", "11", "12", "-12", "2147483647",
                     "-2147483647", "-3", "99"});
}

TEST(LocaleCompare, PutsBlanksAndPunctuationBeforeDigitsBeforeLetters) {
  ExpectStrictOrder({" ", "!", "0", "9", "a", "b", "z"});
  ExpectStrictOrder({"a", "ab", "abc"});
}

TEST(LocaleCompare, IgnoresCase) {
  EXPECT_EQ(framework::CompareTextLocale("URL_a", "url_A"), 0);
  EXPECT_LT(framework::CompareTextLocale("Apple", "banana"), 0);
  EXPECT_LT(framework::CompareTextLocale("apple", "Banana"), 0);
}

TEST(LocaleCompare, PassesOverHyphensAndApostrophesUntilATie) {
  EXPECT_LT(framework::CompareTextLocale("co-op", "cop"), 0);  // "coop" < "cop"
  EXPECT_LT(framework::CompareTextLocale("coop", "co-op"), 0);
  EXPECT_LT(framework::CompareTextLocale("cant", "can't"), 0);
  EXPECT_EQ(framework::CompareTextLocale("a-b", "A-B"), 0);
}

TEST(StringList, SortsAscendingByTheLocaleComparison) {
  framework::StringList list;
  for (const char* text : {"-3", "10", " 1", "100", "-10", "99", " 9", "-1", "11"}) list.Add(text);
  list.Sort();
  std::vector<std::string> sorted;
  for (std::size_t i = 0; i < list.Count(); ++i) sorted.push_back(list.Get(i));
  EXPECT_EQ(sorted, (std::vector<std::string>{" 1", " 9", "-1", "10", "-10", "100", "11", "-3", "99"}));
}

}  // namespace
