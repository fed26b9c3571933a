#include "store/wine/Escapes.h"

#include <gtest/gtest.h>

#include "StoreTestSupport.h"

namespace store::wine {
namespace {

using store::testing::U16;

struct DecodeCase {
  const char* written;  // what follows the opening quote
  std::u16string text;
  std::size_t next;
};

class DecodeStringTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeStringTest, DecodesAsWineReadsIt) {
  const auto& c = GetParam();
  const auto decoded = DecodeString(c.written, 0, '"');
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->text, c.text);
  EXPECT_EQ(decoded->next, c.next);
  EXPECT_EQ(SkipString(c.written, 0, '"'), c.next);
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, DecodeStringTest,
    ::testing::Values(
        DecodeCase{R"(plain" rest)", u"plain", 6},
        DecodeCase{R"(a\\b\"c")", u"a\\b\"c", 8},
        DecodeCase{R"(\a\b\t\n\v\f\r\e|")", u"\a\b\t\n\v\f\r\x1b|", 18},
        // \x takes at most four digits; Wine pads to four when a hex digit follows.
        DecodeCase{R"(caf\x00e91x")", u"caf\u00e91x", 12},
        DecodeCase{R"(caf\xe9g")", u"caf\u00e9g", 9},
        DecodeCase{R"(\x4f8bab")", u"\u4f8bab", 9},
        DecodeCase{R"(\x0041Z")", u"AZ", 8},
        DecodeCase{R"(\x|")", u"x|", 4},
        // Octal takes at most three digits: \101 then 2, \010 then 1.
        DecodeCase{R"(\101\1012\0101|")", u"AA2\b1|", 16},
        DecodeCase{R"(a\0001b")", std::u16string(u"a\0" u"1b", 4), 8},
        DecodeCase{R"(a\18b")", u"a\x01" u"8b", 6},
        DecodeCase{R"(a\qb\%c\'d")", u"aqb%c'd", 11},
        DecodeCase{R"(smile\xd83d\xde00end")", u"smile\U0001F600end", 21},
        DecodeCase{"\xe6\x97\xa5\xf0\x9f\x98\x80\"", u"\u65e5\U0001F600", 8},
        // An invalid byte is dropped; a broken sequence keeps the byte after it.
        DecodeCase{"a\xff" "b\xc3(c\"", u"ab(c", 7},
        DecodeCase{"\xc0\xaf\"", u"", 3},
        DecodeCase{"\xed\xa0\x80\"", u"\xd800", 4}));

TEST(DecodeStringTest, StopsAtTheGivenDelimiter) {
  const auto decoded = DecodeString(R"([Software\\A\]b] 12)", 1, ']');
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->text, u"Software\\A]b");
  EXPECT_EQ(decoded->next, 16u);
}

TEST(DecodeStringTest, MissingDelimiterIsNothing) {
  for (const char* written : {"no end", "ends in backslash\\", "escaped end\\\"", ""}) {
    EXPECT_FALSE(DecodeString(written, 0, '"').has_value()) << written;
    EXPECT_FALSE(SkipString(written, 0, '"').has_value()) << written;
  }
}

}  // namespace
}  // namespace store::wine
