#include "MemoryStore.h"

#include <algorithm>
#include <stdexcept>

#include "framework/Utf8.h"

namespace testing_support {
namespace {

std::string Fold(std::string_view text) {
  std::string folded(text);
  std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return folded;
}

void AppendUnit(std::vector<std::uint8_t>& data, char32_t unit) {
  data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
  data.push_back(static_cast<std::uint8_t>(unit >> 8));
}

}  // namespace

store::Value StringValue(std::string_view utf8, store::ValueType type) {
  store::Value value{type, {}};
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t cp = framework::NextCodePoint(utf8, pos);
    if (cp >= 0x10000) {
      AppendUnit(value.data, 0xD800 + ((cp - 0x10000) >> 10));
      AppendUnit(value.data, 0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      AppendUnit(value.data, cp);
    }
  }
  AppendUnit(value.data, 0);
  return value;
}

void MemoryStore::AddKey(std::string_view path) { Data(path); }

void MemoryStore::SetValue(std::string_view keyPath, std::string_view name, store::Value value) {
  KeyData& data = Data(keyPath);
  const auto [at, added] = data.indexByName.try_emplace(Fold(name), data.values.size());
  if (added) {
    data.values.emplace_back(std::string(name), std::move(value));
  } else {
    data.values[at->second].second = std::move(value);
  }
}

void MemoryStore::SetString(std::string_view keyPath, std::string_view name, std::string_view text) {
  SetValue(keyPath, name, StringValue(text));
}

void MemoryStore::FailReadOf(std::string_view keyPath, std::string_view name) {
  Data(keyPath).failingReads.insert(Fold(name));
}

void MemoryStore::RefuseFullAccess(std::string_view keyPath) { Data(keyPath).refusesFullAccess = true; }

std::vector<std::string> MemoryStore::Names(std::string_view keyPath) const {
  std::vector<std::string> names;
  if (const auto found = keys_.find(Fold(keyPath)); found != keys_.end()) {
    for (const auto& [name, value] : found->second.values) names.push_back(name);
  }
  return names;
}

std::optional<store::RegistryStore::Key> MemoryStore::OpenKey(std::optional<Key> parent,
                                                              std::string_view subkey) {
  std::string path = parent ? open_.at(*parent) : std::string();
  if (!subkey.empty()) {
    if (!path.empty()) path += '\\';
    path += Fold(subkey);
  }
  if (!Exists(path)) return std::nullopt;
  if (const auto found = keys_.find(path); found != keys_.end() && found->second.refusesFullAccess) {
    return std::nullopt;
  }
  const Key key = nextKey_++;
  open_.emplace(key, path);
  return key;
}

std::size_t MemoryStore::ValueCount(Key key) { return DataOf(key).values.size(); }

std::string MemoryStore::ValueName(Key key, std::size_t index) { return DataOf(key).values.at(index).first; }

store::QueryResult MemoryStore::QueryValue(Key key, std::string_view name) {
  ++reads_;
  KeyData& data = DataOf(key);
  const auto folded = Fold(name);
  if (data.failingReads.contains(folded)) return {store::QueryResult::Status::Failed, {}};
  if (const auto found = data.indexByName.find(folded); found != data.indexByName.end()) {
    return {store::QueryResult::Status::Found, data.values[found->second].second};
  }
  return {store::QueryResult::Status::NotFound, {}};
}

bool MemoryStore::DeleteValue(Key key, std::string_view name) {
  KeyData& data = DataOf(key);
  const auto found = data.indexByName.find(Fold(name));
  if (found == data.indexByName.end()) return false;
  data.values.erase(data.values.begin() + static_cast<std::ptrdiff_t>(found->second));
  data.indexByName.clear();
  for (std::size_t i = 0; i < data.values.size(); ++i) data.indexByName.emplace(Fold(data.values[i].first), i);
  return true;
}

void MemoryStore::CloseKey(Key key) {
  if (open_.erase(key) == 0) throw std::logic_error("closing a key that is not open");
}

MemoryStore::KeyData& MemoryStore::Data(std::string_view path) { return keys_[Fold(path)]; }

MemoryStore::KeyData& MemoryStore::DataOf(Key key) { return keys_[open_.at(key)]; }

bool MemoryStore::Exists(const std::string& foldedPath) const {
  if (foldedPath.empty() || keys_.contains(foldedPath)) return true;
  const std::string below = foldedPath + "\\";
  const auto next = keys_.lower_bound(below);
  return next != keys_.end() && next->first.starts_with(below);
}

}  // namespace testing_support
