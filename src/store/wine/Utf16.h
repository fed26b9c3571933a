#pragma once

#include <string>
#include <string_view>

namespace store::wine {

// Names cross the store interface as UTF-8 but Wine compares them as UTF-16.
// A byte that is not valid UTF-8, and an unpaired surrogate, become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace store::wine
