#pragma once

#include <cstdint>
#include <string_view>

namespace framework {

// The framework's text-to-integer rule. Leading blanks are skipped; then
// either an optional sign and decimal digits of magnitude at most 2147483647,
// or, without a sign, hexadecimal digits after "$", "x", "X", "0x" or "0X"
// that fit in 32 bits, taken as a two's-complement pattern. Nothing may
// follow. Throws ConvertError quoting the whole text otherwise.
std::int32_t StrToInt(std::string_view text);

}  // namespace framework
