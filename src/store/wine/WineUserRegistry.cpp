#include "store/wine/WineUserRegistry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
  const std::string text = ReadRegistryFile(file_, file_);
  auto values = ReadKey(text, path);
  if (!values) return std::nullopt;
  const Key key = nextKey_++;
  keys_.emplace(key, OpenedKey{std::move(path), std::move(*values), {}});
  return key;
}

WineUserRegistry::OpenedKey& WineUserRegistry::Opened(Key key) {
  const auto found = keys_.find(key);
  if (found == keys_.end()) throw std::invalid_argument("registry key is not open");
  return found->second;
}

std::size_t WineUserRegistry::ValueCount(Key key) { return Opened(key).values.size(); }

std::string WineUserRegistry::ValueName(Key key, std::size_t index) {
  return Utf16ToUtf8(Opened(key).values.at(index).name);
}

QueryResult WineUserRegistry::QueryValue(Key key, std::string_view name) {
  const std::u16string wanted = Utf8ToUtf16(name);
  for (const NamedValue& value : Opened(key).values) {
    if (SameName(value.name, wanted)) return {QueryResult::Status::Found, value.value};
  }
  return {};
}

bool WineUserRegistry::DeleteValue(Key key, std::string_view name) {
  OpenedKey& opened = Opened(key);
  const std::u16string wanted = Utf8ToUtf16(name);
  for (auto it = opened.values.begin(); it != opened.values.end(); ++it) {
    if (!SameName(it->name, wanted)) continue;
    opened.deleted.push_back(std::move(it->name));
    opened.values.erase(it);
    return true;
  }
  return false;
}

void WineUserRegistry::CloseKey(Key key) {
  const auto found = keys_.find(key);
  if (found == keys_.end()) return;
  // Released before committing, so that a failed commit leaves no key open.
  const OpenedKey closed = std::move(found->second);
  keys_.erase(found);
  if (!closed.deleted.empty()) Commit(closed);
}

void WineUserRegistry::Commit(const OpenedKey& key) const {
  const std::filesystem::path prefix = file_.has_parent_path() ? file_.parent_path() : ".";
  const ServerLock lock(prefix, file_);
  // The file as it is now, so that whatever others wrote since the listing
  // survives and only the chosen names go.
  const std::filesystem::path real = RealFile(file_);
  const std::string text = ReadRegistryFile(real, file_);
  const auto edits = PlanDeletion(text, key.path, key.deleted, StampNow());
  if (edits.empty()) return;
  ReplaceFile(real, text, edits, file_);
}

}  // namespace store::wine
