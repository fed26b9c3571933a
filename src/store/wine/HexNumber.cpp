#include "store/wine/HexNumber.h"

#include <limits>

#include "store/wine/Lines.h"

namespace store::wine {
namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

HexNumber ParseHexNumber(std::string_view text, std::size_t pos) {
  HexNumber number;
  number.end = pos;
  std::size_t p = SkipBlanks(text, pos);
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
  if (p + 2 < text.size() && text[p] == '0' && (text[p + 1] == 'x' || text[p + 1] == 'X') &&
      DigitValue(text[p + 2]) >= 0) {
    p += 2;
  }
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  bool any = false;
  bool overflow = false;
  std::uint64_t value = 0;
  for (; p < text.size() && DigitValue(text[p]) >= 0; ++p) {
    any = true;
    if (value > (kMax >> 4)) overflow = true;
    value = (value << 4) | static_cast<std::uint64_t>(DigitValue(text[p]));
  }
  if (!any) return number;
  number.end = p;
  if (overflow) {
    number.value = kMax;
  } else {
    number.value = negative ? (~value + 1) : value;
  }
  return number;
}

}  // namespace store::wine
