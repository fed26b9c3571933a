#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/RegistryStore.h"
#include "store/wine/Section.h"

namespace store::wine {

struct NamedValue {
  std::u16string name;
  Value value;
};

// The values of the key at `path` as Wine loads them: its sections merged,
// a repeated name taking the later data under its first spelling, sorted in
// Wine's enumeration order. Nothing when no section names the key or a key
// below it.
std::optional<std::vector<NamedValue>> ReadKey(std::string_view text, const KeyPath& path);

}  // namespace store::wine
