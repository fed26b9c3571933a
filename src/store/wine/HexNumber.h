#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace store::wine {

struct HexNumber {
  std::uint64_t value = 0;
  std::size_t end = 0;  // where the number ends; its start when there is none
};

// strtoul(text + pos, &end, 16) of a 64-bit glibc, which Wine uses for dword
// data, the type of hex(T) and each hex byte: leading blanks, a sign, a 0x
// prefix; saturating at the maximum on overflow.
HexNumber ParseHexNumber(std::string_view text, std::size_t pos);

}  // namespace store::wine
