#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace store {

// Registry value types, as numbered by the registry itself.
using ValueType = std::uint32_t;
inline constexpr ValueType kRegNone = 0;
inline constexpr ValueType kRegSz = 1;
inline constexpr ValueType kRegExpandSz = 2;
inline constexpr ValueType kRegBinary = 3;
inline constexpr ValueType kRegDword = 4;
inline constexpr ValueType kRegMultiSz = 7;

// A value as the registry holds it: string types are UTF-16LE bytes,
// usually with their terminating NUL.
struct Value {
  ValueType type = kRegNone;
  std::vector<std::uint8_t> data;
};

struct QueryResult {
  enum class Status { Found, NotFound, Failed };
  Status status = Status::NotFound;
  Value value;
};

// A failure of the store itself (a damaged file, a commit that could not be
// written), with a message for the user that names what failed.
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The current user's registry at the level of the registry functions.
// Names and paths are UTF-8; they match case-insensitively.
class RegistryStore {
 public:
  using Key = std::uint32_t;

  virtual ~RegistryStore() = default;

  // Opens `subkey` below `parent` (the root of the current user's registry
  // when empty) for full access. Never creates a key: an absent key, or one
  // that refuses full access, gives nothing.
  virtual std::optional<Key> OpenKey(std::optional<Key> parent,
                                     std::string_view subkey) = 0;

  // The key's values in the registry's enumeration order.
  virtual std::size_t ValueCount(Key key) = 0;
  virtual std::string ValueName(Key key, std::size_t index) = 0;

  virtual QueryResult QueryValue(Key key, std::string_view name) = 0;

  // Whether a value of that name existed and is now gone.
  virtual bool DeleteValue(Key key, std::string_view name) = 0;

  // Releases the key. A store that defers its writes makes the key's
  // deletions lasting here, and throws StoreError when it cannot; the key is
  // released either way.
  virtual void CloseKey(Key key) = 0;
};

}  // namespace store
