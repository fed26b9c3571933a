#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/RegistryStore.h"
#include "store/wine/Lines.h"

namespace store::wine {

enum class DataForm { String, Dword, Hex, Malformed };

// What the first line of a value says before its data. Positions are
// offsets into the line's content.
struct ValueHead {
  std::size_t nameStart = 0;  // the opening quote, or the `@`
  std::size_t dataStart = 0;  // just past the type tag
  DataForm form = DataForm::Malformed;
  ValueType type = kRegNone;
};

// The head of a value line whose first non-blank is at `start`; nothing
// when Wine would skip the line for a malformed name.
std::optional<ValueHead> ParseValueHead(std::string_view content, std::size_t start);

std::u16string DecodeValueName(std::string_view content, const ValueHead& head);

// Where the value that starts on `first` ends: hex data continues on the
// next line after a backslash, whatever that line holds.
std::size_t ValueEnd(std::string_view text, const Line& first, const ValueHead& head);

// The value's type and bytes as Wine stores them; malformed data is an empty
// REG_NONE.
Value DecodeValueData(std::string_view text, const Line& first, const ValueHead& head);

}  // namespace store::wine
