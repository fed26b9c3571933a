#include "framework/StrToInt.h"

#include <gtest/gtest.h>

#include "framework/Exception.h"

namespace {

struct Accepted {
  const char* text;
  std::int32_t value;
};

void PrintTo(const Accepted& row, std::ostream* out) { *out << '"' << row.text << '"'; }

class StrToIntAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(StrToIntAccepts, GivesTheValue) {
  EXPECT_EQ(framework::StrToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToIntAccepts,
    testing::Values(Accepted{"0", 0}, Accepted{"7", 7}, Accepted{"007", 7}, Accepted{" 7", 7},
                    Accepted{"   12", 12}, Accepted{"+5", 5}, Accepted{"-3", -3}, Accepted{"-0", 0},
                    Accepted{"2147483647", 2147483647}, Accepted{"-2147483647", -2147483647},
                    Accepted{"0000000000012", 12}, Accepted{"$10", 16}, Accepted{"x1f", 31},
                    Accepted{"X1F", 31}, Accepted{"0x7fffffff", 2147483647}, Accepted{"0X10", 16},
                    Accepted{"$FFFFFFFF", -1}, Accepted{"$80000000", INT32_MIN},
                    Accepted{"$000000000001", 1}, Accepted{" $a", 10}));

class StrToIntRefuses : public testing::TestWithParam<const char*> {};

TEST_P(StrToIntRefuses, WithTheConversionErrorQuotingTheText) {
  const std::string text = GetParam();
  try {
    framework::StrToInt(text);
    FAIL() << "accepted '" << text << "'";
  } catch (const framework::ConvertError& error) {
    EXPECT_EQ(error.Message(), "'" + text + "' は整数ではありません");
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, StrToIntRefuses,
                         testing::Values("", " ", "   ", "-", "+", "x", "$", "0x", "7 ", " 7 ", "1a",
                                         "2147483648", "-2147483648", "99999999999", "$100000000",
                                         "-$1", "+$1", "-x1", "$FFFFFFFG", "0x-1", "\t7", "1.0",
                                         "１", "+-1", "--1", "0b1", "1e3"));

}  // namespace
