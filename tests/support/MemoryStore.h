#pragma once

#include <map>
#include <unordered_map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/RegistryStore.h"

namespace testing_support {

// A string value as the registry stores it: UTF-16LE with a final NUL.
store::Value StringValue(std::string_view utf8, store::ValueType type = store::kRegSz);

// A registry held in memory. Keys enumerate their values in the order they
// were first set; keys above a key exist as soon as it does.
class MemoryStore : public store::RegistryStore {
 public:
  void AddKey(std::string_view path);
  void SetValue(std::string_view keyPath, std::string_view name, store::Value value);
  void SetString(std::string_view keyPath, std::string_view name, std::string_view text);

  // Reads of that value fail from now on.
  void FailReadOf(std::string_view keyPath, std::string_view name);
  // The key can no longer be opened for full access.
  void RefuseFullAccess(std::string_view keyPath);

  std::vector<std::string> Names(std::string_view keyPath) const;
  std::size_t OpenKeyCount() const { return open_.size(); }
  std::size_t ReadCount() const { return reads_; }

  std::optional<Key> OpenKey(std::optional<Key> parent, std::string_view subkey) override;
  std::size_t ValueCount(Key key) override;
  std::string ValueName(Key key, std::size_t index) override;
  store::QueryResult QueryValue(Key key, std::string_view name) override;
  bool DeleteValue(Key key, std::string_view name) override;
  void CloseKey(Key key) override;

 private:
  struct KeyData {
    std::vector<std::pair<std::string, store::Value>> values;
    std::unordered_map<std::string, std::size_t> indexByName;  // folded name -> index in values
    std::set<std::string> failingReads;  // folded names
    bool refusesFullAccess = false;
  };

  KeyData& Data(std::string_view path);
  KeyData& DataOf(Key key);
  bool Exists(const std::string& foldedPath) const;

  std::map<std::string, KeyData> keys_;  // by folded path
  std::map<Key, std::string> open_;      // folded paths of the open keys
  Key nextKey_ = 1;
  std::size_t reads_ = 0;
};

}  // namespace testing_support
