#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "framework/StringList.h"
#include "store/RegistryStore.h"

namespace framework {

// The registry wrapper: one open key at a time, below the current user's
// registry root. Failures that are answers (open, delete) are returned;
// everything else throws RegistryError.
class Registry {
 public:
  explicit Registry(store::RegistryStore& currentUser) : store_(currentUser) {}
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  // Opens `path` without creating it, relative to the open key if there is
  // one (a leading backslash means the root). On success the key that was
  // open before is closed first.
  bool OpenKey(std::string_view path);

  // Empties `names`, then appends the names of the open key's values in the
  // registry's enumeration order.
  void GetValueNames(StringList& names);

  // The text of a string value up to its first NUL; the empty text for a
  // value that is missing or has no data.
  std::string ReadString(std::string_view name);

  bool DeleteValue(std::string_view name);

  // Forgets the open key; nothing when none is open.
  void CloseKey();

 private:
  store::RegistryStore& store_;
  std::optional<store::RegistryStore::Key> currentKey_;
};

}  // namespace framework
