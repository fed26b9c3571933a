#include "history/HistoryEntries.h"

#include <gtest/gtest.h>

#include "framework/Exception.h"

namespace {

struct Conversion {
  const char* from;
  const char* to;  // nullptr: a conversion error quoting `quoted`
  const char* quoted = "";
};

void PrintTo(const Conversion& row, std::ostream* out) { *out << '"' << row.from << '"'; }

std::string Convert(std::string (*conversion)(std::string_view), const Conversion& row) {
  try {
    return conversion(row.from);
  } catch (const framework::ConvertError& error) {
    return "error: " + error.Message();
  }
}

std::string Expected(const Conversion& row) {
  if (row.to) return row.to;
  return std::string("error: '") + row.quoted + "' は整数ではありません";
}

class ToEntryNumberTest : public testing::TestWithParam<Conversion> {};

TEST_P(ToEntryNumberTest, Converts) {
  EXPECT_EQ(Convert(history::ToEntryNumber, GetParam()), Expected(GetParam())) << GetParam().from;
}

INSTANTIATE_TEST_SUITE_P(
    ValueNames, ToEntryNumberTest,
    testing::Values(Conversion{"URL_1", " 1"}, Conversion{"URL_7", " 7"}, Conversion{"URL_12", "12"},
                    Conversion{"URL_123", "123"}, Conversion{"URL_007", " 7"},
                    Conversion{"URL_07", " 7"}, Conversion{"ABCD5", " 5"},
                    Conversion{"URL_-3", "-3"}, Conversion{"URL_ 7", " 7"},
                    Conversion{"URL_   42", "42"}, Conversion{"URL_2147483647", "2147483647"},
                    // Only ten characters are taken after the fourth.
                    Conversion{"URL_12345678901", "1234567890"},
                    Conversion{"URL_-2147483648", "-214748364"},
                    Conversion{"URL_99999999999", nullptr, "9999999999"},
                    Conversion{"URL_$1F", "31"}, Conversion{"URL_0x10", "16"},
                    Conversion{"URL_$FFFFFFFF", "-1"},
                    // Characters are counted, not bytes.
                    Conversion{"ＵＲＬ＿9", " 9"}, Conversion{"URL_７", nullptr, "７"},
                    Conversion{"URL_7 ", nullptr, "7 "}, Conversion{"URL_x", nullptr, "x"},
                    Conversion{"URL_\"Q\"", nullptr, "\"Q\""}, Conversion{"URL_", nullptr, ""},
                    Conversion{"URL", nullptr, ""}, Conversion{"", nullptr, ""},
                    Conversion{"URL_CTRL", nullptr, "CTRL"}));

class ToValueNameTest : public testing::TestWithParam<Conversion> {};

TEST_P(ToValueNameTest, Converts) {
  EXPECT_EQ(Convert(history::ToValueName, GetParam()), Expected(GetParam())) << GetParam().from;
}

INSTANTIATE_TEST_SUITE_P(
    EntryNumbers, ToValueNameTest,
    testing::Values(Conversion{" 7", "URL_7"}, Conversion{"12", "URL_12"},
                    Conversion{"123", "URL_123"}, Conversion{"-3", "URL_-3"},
                    Conversion{"-214748364", "URL_-214748364"},
                    Conversion{"2147483647", "URL_2147483647"}, Conversion{"-1", "URL_-1"},
                    Conversion{"x", nullptr, "x"}, Conversion{" 7 ", nullptr, " 7 "},
                    Conversion{"", nullptr, ""}));

TEST(Conversions, RoundTripTheNamesTheBrowserWrites) {
  for (const int n : {1, 2, 9, 10, 99, 100, 12345, -3, 2147483647, -2147483647 / 10}) {
    const std::string name = "URL_" + std::to_string(n);
    EXPECT_EQ(history::ToValueName(history::ToEntryNumber(name)), name);
  }
}

}  // namespace
