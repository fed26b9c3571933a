#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/wine/Section.h"
#include "store/wine/Stamp.h"

namespace store::wine {

// Bytes [begin, end) of the file become `replacement`.
struct Edit {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::string replacement;
};

// The edits, in file order, that remove every line of each value of the key
// at `path` whose name is in `names` (any spelling, every duplicate) and give
// the key's stamps the time `stamp`. None when no such value is there.
std::vector<Edit> PlanDeletion(std::string_view text, const KeyPath& path,
                               const std::vector<std::u16string>& names, const Stamp& stamp);

// Streams `text` with `edits` applied, in pieces, so that no second copy of
// the file is built.
void WriteEdited(std::string_view text, const std::vector<Edit>& edits,
                 const std::function<void(std::string_view)>& write);

}  // namespace store::wine
