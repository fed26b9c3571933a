#pragma once

#include <string_view>

namespace framework {

// The user locale's case-insensitive comparison of two texts: negative,
// zero or positive. Blanks and punctuation sort before digits, digits before
// letters, letters ignore case; hyphens and apostrophes are passed over and
// only decide between texts that are otherwise equal, the one without them
// first. So " 9" < "-1" < "10" < "-10" < "100" < "11".
int CompareTextLocale(std::string_view a, std::string_view b);

}  // namespace framework
