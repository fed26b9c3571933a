#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "store/RegistryStore.h"
#include "store/wine/KeyReader.h"
#include "store/wine/Section.h"

namespace store::wine {

// The current user's registry on a Wine prefix's user.reg. Opening a key
// reads its values from the file; deletions stay in memory until the key is
// closed, and then reach the file in one atomic rewrite that changes nothing
// but the deleted values' lines and the key's stamps. Wine must not be
// running for the prefix then, or it would write its own copy back later.
class WineUserRegistry : public RegistryStore {
 public:
  explicit WineUserRegistry(std::filesystem::path userReg);

  std::optional<Key> OpenKey(std::optional<Key> parent, std::string_view subkey) override;
  std::size_t ValueCount(Key key) override;
  std::string ValueName(Key key, std::size_t index) override;
  QueryResult QueryValue(Key key, std::string_view name) override;
  bool DeleteValue(Key key, std::string_view name) override;
  void CloseKey(Key key) override;

 private:
  struct OpenedKey {
    KeyPath path;
    // Sorted by name. A deleted value stays as a hole, so that deleting many
    // costs no more than one pass, until the values are enumerated again.
    std::vector<NamedValue> values;
    std::vector<bool> removed;
    std::size_t holes = 0;
    std::vector<std::u16string> deleted;
    // The file as read at opening; the commit's re-read goes into its memory.
    std::string text;

    std::optional<std::size_t> Find(std::string_view name) const;
    void Compact();
  };

  OpenedKey& Opened(Key key);
  bool FullAccess() const;
  void Commit(OpenedKey& key) const;

  std::filesystem::path file_;
  std::map<Key, OpenedKey> keys_;
  Key nextKey_ = 1;
};

}  // namespace store::wine
