#include "store/wine/WineUserRegistry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "store/wine/AtomicReplace.h"
#include "store/wine/FileError.h"
#include "store/wine/NameCompare.h"
#include "store/wine/RegistryFile.h"
#include "store/wine/Rewrite.h"
#include "store/wine/ServerLock.h"
#include "store/wine/Stamp.h"
#include "store/wine/Utf16.h"

namespace store::wine {
namespace {

// A missing prefix or file is an absent key, as is one we may not reach.
bool Absent(int error) { return error == ENOENT || error == ENOTDIR || error == EACCES; }

std::filesystem::path RealFile(const std::filesystem::path& file) {
  std::error_code error;
  auto real = std::filesystem::canonical(file, error);
  if (error) throw FileError(file, "を開けません", error.value());
  return real;
}

}  // namespace

WineUserRegistry::WineUserRegistry(std::filesystem::path userReg) : file_(std::move(userReg)) {}

bool WineUserRegistry::FullAccess() const {
  struct stat info {};
  if (stat(file_.c_str(), &info) != 0) {
    if (Absent(errno)) return false;
    throw FileError(file_, "を開けません", errno);
  }
  const std::filesystem::path real = RealFile(file_);
  // The rewrite replaces the file in its folder, so both must be writable;
  // the effective ids decide, which for root reflects read-only mounts.
  return faccessat(AT_FDCWD, real.c_str(), W_OK, AT_EACCESS) == 0 &&
         faccessat(AT_FDCWD, real.parent_path().c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::optional<RegistryStore::Key> WineUserRegistry::OpenKey(std::optional<Key> parent,
                                                              std::string_view subkey) {
  KeyPath path = parent ? Opened(*parent).path : KeyPath{};
  for (auto& part : SplitKeyPath(Utf8ToUtf16(subkey))) path.push_back(std::move(part));
  if (!FullAccess()) return std::nullopt;
  std::string text;
  ReadRegistryFile(file_, file_, text);
  auto values = ReadKey(text, path);
  if (!values) return std::nullopt;
  const Key key = nextKey_++;
  const std::size_t count = values->size();
  keys_.emplace(key, OpenedKey{std::move(path), std::move(*values), std::vector<bool>(count), 0, {},
                               std::move(text)});
  return key;
}

WineUserRegistry::OpenedKey& WineUserRegistry::Opened(Key key) {
  const auto found = keys_.find(key);
  if (found == keys_.end()) throw std::invalid_argument("registry key is not open");
  return found->second;
}

std::optional<std::size_t> WineUserRegistry::OpenedKey::Find(std::string_view name) const {
  const std::u16string wanted = Utf8ToUtf16(name);
  const auto found = std::lower_bound(values.begin(), values.end(), wanted,
                                      [](const NamedValue& value, const std::u16string& n) {
                                        return CompareNames(value.name, n) < 0;
                                      });
  if (found == values.end() || !SameName(found->name, wanted)) return std::nullopt;
  const auto index = static_cast<std::size_t>(found - values.begin());
  if (removed[index]) return std::nullopt;
  return index;
}

void WineUserRegistry::OpenedKey::Compact() {
  if (holes == 0) return;
  std::vector<NamedValue> kept;
  kept.reserve(values.size() - holes);
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!removed[i]) kept.push_back(std::move(values[i]));
  }
  values = std::move(kept);
  removed.assign(values.size(), false);
  holes = 0;
}

std::size_t WineUserRegistry::ValueCount(Key key) {
  OpenedKey& opened = Opened(key);
  opened.Compact();
  return opened.values.size();
}

std::string WineUserRegistry::ValueName(Key key, std::size_t index) {
  OpenedKey& opened = Opened(key);
  opened.Compact();
  return Utf16ToUtf8(opened.values.at(index).name);
}

QueryResult WineUserRegistry::QueryValue(Key key, std::string_view name) {
  const OpenedKey& opened = Opened(key);
  const auto index = opened.Find(name);
  if (!index) return {};
  return {QueryResult::Status::Found, opened.values[*index].value};
}

bool WineUserRegistry::DeleteValue(Key key, std::string_view name) {
  OpenedKey& opened = Opened(key);
  const auto index = opened.Find(name);
  if (!index) return false;
  opened.removed[*index] = true;
  ++opened.holes;
  opened.deleted.push_back(opened.values[*index].name);
  return true;
}

void WineUserRegistry::CloseKey(Key key) {
  const auto found = keys_.find(key);
  if (found == keys_.end()) return;
  // Released before committing, so that a failed commit leaves no key open.
  OpenedKey closed = std::move(found->second);
  keys_.erase(found);
  if (!closed.deleted.empty()) Commit(closed);
}

void WineUserRegistry::Commit(OpenedKey& key) const {
  const std::filesystem::path prefix = file_.has_parent_path() ? file_.parent_path() : ".";
  const ServerLock lock(prefix, file_);
  // The file as it is now, so that whatever others wrote since the listing
  // survives and only the chosen names go.
  const std::filesystem::path real = RealFile(file_);
  ReadRegistryFile(real, file_, key.text);
  const auto edits = PlanDeletion(key.text, key.path, key.deleted, StampNow());
  if (edits.empty()) return;
  ReplaceFile(real, key.text, edits, file_);
}

}  // namespace store::wine
