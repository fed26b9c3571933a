#include "framework/Registry.h"

#include "framework/Exception.h"
#include "framework/Utf8.h"

namespace framework {
namespace {

// The store's own failures reach the user as registry errors.
template <typename Operation>
auto Translated(Operation operation) {
  try {
    return operation();
  } catch (const store::StoreError& error) {
    throw RegistryError(error.what());
  }
}

}  // namespace

bool Registry::OpenKey(std::string_view path) {
  std::optional<store::RegistryStore::Key> parent = currentKey_;
  if (path.starts_with('\\')) {
    path.remove_prefix(1);
    parent.reset();
  }
  const auto opened = Translated([&] { return store_.OpenKey(parent, path); });
  if (!opened) return false;
  CloseKey();
  currentKey_ = opened;
  return true;
}

void Registry::GetValueNames(StringList& names) {
  names.Clear();
  if (!currentKey_) return;
  const auto key = *currentKey_;
  Translated([&] {
    const std::size_t count = store_.ValueCount(key);
    for (std::size_t i = 0; i < count; ++i) names.Add(store_.ValueName(key, i));
  });
}

std::string Registry::ReadString(std::string_view name) {
  if (!currentKey_) return {};
  const auto key = *currentKey_;
  const auto result = Translated([&] { return store_.QueryValue(key, name); });
  using Status = store::QueryResult::Status;
  if (result.status == Status::Failed) throw RegistryError(FormatMessage(kReadFailedMessage, name));
  const store::Value& value = result.value;
  if (result.status == Status::NotFound || value.data.empty()) return {};
  if (value.type != store::kRegSz && value.type != store::kRegExpandSz) {
    throw RegistryError(FormatMessage(kInvalidDataTypeMessage, name));
  }
  return Utf16LeToUtf8(value.data);
}

bool Registry::DeleteValue(std::string_view name) {
  if (!currentKey_) return false;
  const auto key = *currentKey_;
  return Translated([&] { return store_.DeleteValue(key, name); });
}

void Registry::CloseKey() {
  if (!currentKey_) return;
  const auto key = *currentKey_;
  // Forgotten first, so that a failed close still leaves no key open.
  currentKey_.reset();
  Translated([&] { store_.CloseKey(key); });
}

}  // namespace framework
