#include "store/wine/NameCompare.h"

#include <locale.h>
#include <wctype.h>

#include <algorithm>

namespace store::wine {
namespace {

// The lower-casing must not depend on the user's locale: Wine uses its own
// Unicode table, which glibc's built-in C.UTF-8 matches for simple case maps.
locale_t UnicodeLocale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return locale;
}

}  // namespace

char16_t LowerUnit(char16_t unit) {
  if (unit < 0x80) return (unit >= 'A' && unit <= 'Z') ? static_cast<char16_t>(unit + 32) : unit;
  if (unit >= 0xD800 && unit <= 0xDFFF) return unit;
  const locale_t locale = UnicodeLocale();
  if (locale == static_cast<locale_t>(0)) return unit;
  const wint_t lower = towlower_l(static_cast<wint_t>(unit), locale);
  // A lower case outside the BMP cannot stand for one UTF-16 unit.
  return lower <= 0xFFFF ? static_cast<char16_t>(lower) : unit;
}

int CompareNames(std::u16string_view a, std::u16string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int diff = static_cast<int>(LowerUnit(a[i])) - static_cast<int>(LowerUnit(b[i]));
    if (diff != 0) return diff;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && CompareNames(a, b) == 0;
}

}  // namespace store::wine

namespace store::wine {

std::u16string FoldName(std::u16string_view name) {
  std::u16string folded(name);
  for (char16_t& unit : folded) unit = LowerUnit(unit);
  return folded;
}

}  // namespace store::wine
