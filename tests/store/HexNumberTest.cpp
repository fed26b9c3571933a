#include "store/wine/HexNumber.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace store::wine {
namespace {

// The C library's own strtoul is the reference for what Wine reads.
TEST(HexNumberTest, AgreesWithStrtoul) {
  static_assert(sizeof(unsigned long) == 8);
  for (const std::string text :
       {"0", "ff", "DEADBEEF", "deadbeef", "  12", "\t+1f", "-1", "-2", "0x1f", "0X1F", "0xg", "0x",
        "x1", "", ",", "ffffffffffffffff", "10000000000000000", "123456789abcdef0123", "-0x10",
        "12zz", "0012345678"}) {
    char* end = nullptr;
    const unsigned long expected = std::strtoul(text.c_str(), &end, 16);
    const HexNumber got = ParseHexNumber(text, 0);
    EXPECT_EQ(got.value, expected) << '"' << text << '"';
    EXPECT_EQ(got.end, static_cast<std::size_t>(end - text.c_str())) << '"' << text << '"';
  }
}

TEST(HexNumberTest, StartsWhereAsked) {
  const HexNumber got = ParseHexNumber("hex(2):", 4);
  EXPECT_EQ(got.value, 2u);
  EXPECT_EQ(got.end, 5u);
}

}  // namespace
}  // namespace store::wine
