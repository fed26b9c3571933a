#include "store/wine/ValueLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StoreTestSupport.h"

namespace store::wine {
namespace {

using store::testing::Utf16Z;
using Bytes = std::vector<std::uint8_t>;


struct ValueCase {
  std::string text;  // the value's lines and maybe one line after them
  std::u16string name;
  ValueType type;
  Bytes data;
  std::size_t end;  // where the value's last line ends
};

class ValueLineTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueLineTest, ReadsNameTypeDataAndExtent) {
  const auto& c = GetParam();
  const Line first = LineAt(c.text, 0);
  const std::string_view content = Content(c.text, first);
  const auto head = ParseValueHead(content, SkipBlanks(content, 0));
  ASSERT_TRUE(head.has_value());
  EXPECT_EQ(DecodeValueName(content, *head), c.name);
  const Value value = DecodeValueData(c.text, first, *head);
  EXPECT_EQ(value.type, c.type);
  EXPECT_EQ(value.data, c.data);
  EXPECT_EQ(ValueEnd(c.text, first, *head), c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ValueLineTest,
    ::testing::Values(
        ValueCase{"\"a\"=\"text\"\n", u"a", kRegSz, Utf16Z(u"text"), 11},
        ValueCase{"@=\"default\"", u"", kRegSz, Utf16Z(u"default"), 11},
        ValueCase{"\"a\"=str:\"s\"", u"a", kRegSz, Utf16Z(u"s"), 11},
        ValueCase{"\"e\"=str(2):\"%PATH%\"", u"e", kRegExpandSz, Utf16Z(u"%PATH%"), 19},
        ValueCase{"\"m\"=str(7):\"a\\0b\\0\"", u"m", kRegMultiSz,
                  Utf16Z(std::u16string(u"a\0b\0", 4)), 19},
        ValueCase{"\"\"=\"\"", u"", kRegSz, Utf16Z(u""), 5},
        ValueCase{"\"d\"=dword:DEADBEEF", u"d", kRegDword, {0xef, 0xbe, 0xad, 0xde}, 18},
        ValueCase{"\"d\"=dword:1z", u"d", kRegDword, {1, 0, 0, 0}, 12},
        ValueCase{"\"d\"=dword:123456789", u"d", kRegDword, {0x89, 0x67, 0x45, 0x23}, 19},
        ValueCase{"\"b\"=hex:00,ff,10", u"b", kRegBinary, {0x00, 0xff, 0x10}, 16},
        ValueCase{"\"b\"=hex:", u"b", kRegBinary, {}, 8},
        ValueCase{"\"s\"=hex(1):68,00,69,00,00,00", u"s", kRegSz, {0x68, 0, 0x69, 0, 0, 0}, 28},
        ValueCase{"\"q\"=hex(b):01", u"q", 0xb, {1}, 13},
        ValueCase{"\"t\"=hex(12345):ab", u"t", 0x12345, {0xab}, 17},
        ValueCase{"\"t\"=hex():ab", u"t", kRegNone, {0xab}, 12},
        ValueCase{"\"n\"=zork:12", u"n", kRegNone, {}, 11},
        ValueCase{"\"n\"=\"unterminated", u"n", kRegNone, {}, 17},
        ValueCase{"\"n\"=hex:1,2,zz", u"n", kRegNone, {}, 14},
        ValueCase{"\"n\"=hex:100", u"n", kRegNone, {}, 11},
        ValueCase{"\"l\" \t= \"spaces\"", u"l", kRegSz, Utf16Z(u"spaces"), 15},
        ValueCase{"\"x\"=\"ok\" trailing junk", u"x", kRegSz, Utf16Z(u"ok"), 22},
        ValueCase{"\"crlf\"=\"v\"\r\n", u"crlf", kRegSz, Utf16Z(u"v"), 12},
        ValueCase{"  \"indented\"=\"i\"", u"indented", kRegSz, Utf16Z(u"i"), 16},
        ValueCase{"\"e26 name\\\\back\\\"quote\"=\"v\"", u"e26 name\\back\"quote", kRegSz,
                  Utf16Z(u"v"), 27},
        // Continuations: the next line is taken whatever it holds.
        ValueCase{"\"c\"=hex:01,02,\\\n  03,04\n\"next\"=\"x\"\n", u"c", kRegBinary, {1, 2, 3, 4}, 24},
        ValueCase{"\"c\"=hex:01,\\ junk\n02\n", u"c", kRegBinary, {1, 2}, 21},
        ValueCase{"\"c\"=hex:01,\\\r\n  02\r\n", u"c", kRegBinary, {1, 2}, 20},
        ValueCase{"\"c\"=hex:01,\\\n[Section]\n\"v\"=\"x\"\n", u"c", kRegNone, {}, 23},
        ValueCase{"\"c\"=hex:01,\\", u"c", kRegNone, {}, 12},
        ValueCase{"\"c\"=hex:01,\\\n", u"c", kRegNone, {}, 13},
        // A backslash that is not after hex data continues nothing.
        ValueCase{"\"p\"=\"C:\\\\dir\\\\\"\n  more\n", u"p", kRegSz, Utf16Z(u"C:\\dir\\"), 16}));

TEST(ValueHeadTest, MalformedNamesAreSkippedLines) {
  for (const std::string line : {"\"h_unterminated", "\"a\"", "\"a\" x=\"b\"", "@x=\"b\"", "@",
                                 "\"a\"\v=\"b\"", "x=\"y\""}) {
    EXPECT_FALSE(ParseValueHead(line, 0).has_value()) << line;
  }
}

}  // namespace
}  // namespace store::wine
