#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace framework {

// The character at `pos`, moving `pos` past it; a byte that does not start
// a valid sequence stands for itself.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

// The byte offset just past the first `count` characters of `text` (or its
// size when it is shorter).
std::size_t Utf8Offset(std::string_view text, std::size_t count);

// UTF-16LE bytes up to their first NUL code unit, as UTF-8; an unpaired
// surrogate becomes U+FFFD and an odd last byte is ignored.
std::string Utf16LeToUtf8(std::span<const std::uint8_t> bytes);

}  // namespace framework
