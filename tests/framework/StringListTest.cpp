#include "framework/StringList.h"

#include <gtest/gtest.h>

#include "framework/Exception.h"

namespace {

TEST(StringList, KeepsTheOrderOfAdding) {
  framework::StringList list;
  list.Add("b");
  list.Add("a");
  list.Set(1, "c");
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.Get(0), "b");
  EXPECT_EQ(list.Get(1), "c");
  list.Clear();
  EXPECT_EQ(list.Count(), 0u);
}

TEST(StringList, RefusesAnIndexOutsideTheList) {
  framework::StringList list;
  list.Add("only");
  for (const auto access : {+[](framework::StringList& l) { l.Get(1); },
                            +[](framework::StringList& l) { l.Set(1, "x"); }}) {
    try {
      access(list);
      FAIL() << "no error";
    } catch (const framework::ListIndexError& error) {
      EXPECT_EQ(error.Message(), "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています");
    }
  }
}

}  // namespace
