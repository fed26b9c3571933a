#pragma once

#include <string>
#include <string_view>

namespace store::wine {

// Wine matches key and value names, and orders a key's values, by comparing
// one UTF-16 unit at a time after lower-casing it, a shorter name first when
// one is a prefix of the other.
char16_t LowerUnit(char16_t unit);
int CompareNames(std::u16string_view a, std::u16string_view b);
bool SameName(std::u16string_view a, std::u16string_view b);

// The name lower-cased unit by unit: equal for names that match, so it can
// key a hash table.
std::u16string FoldName(std::u16string_view name);

}  // namespace store::wine
