#include "framework/StrToInt.h"

#include <optional>

#include "framework/Exception.h"

namespace framework {
namespace {

std::optional<unsigned> DigitValue(char c, unsigned base) {
  unsigned value = 0;
  if (c >= '0' && c <= '9') {
    value = static_cast<unsigned>(c - '0');
  } else if (c >= 'a' && c <= 'f') {
    value = static_cast<unsigned>(c - 'a') + 10;
  } else if (c >= 'A' && c <= 'F') {
    value = static_cast<unsigned>(c - 'A') + 10;
  } else {
    return std::nullopt;
  }
  if (value >= base) return std::nullopt;
  return value;
}

// All of `digits` as one number of at most `limit`, or nothing.
std::optional<std::uint32_t> ParseDigits(std::string_view digits, unsigned base,
                                         std::uint32_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    const auto digit = DigitValue(c, base);
    if (!digit) return std::nullopt;
    value = value * base + *digit;
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

std::optional<std::int32_t> Parse(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;

  for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
    if (text.starts_with(prefix)) {
      const auto bits = ParseDigits(text.substr(prefix.size()), 16, UINT32_MAX);
      if (!bits) return std::nullopt;
      return static_cast<std::int32_t>(*bits);
    }
  }

  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const auto magnitude = ParseDigits(text, 10, INT32_MAX);
  if (!magnitude) return std::nullopt;
  const auto value = static_cast<std::int32_t>(*magnitude);
  return negative ? -value : value;
}

}  // namespace

std::int32_t StrToInt(std::string_view text) {
  if (const auto value = Parse(text)) return *value;
  throw ConvertError(FormatMessage(kNotAnIntegerMessage, text));
}

}  // namespace framework
