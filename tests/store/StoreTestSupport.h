#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>
#include <string>
#include <string_view>

namespace store::testing {

std::filesystem::path FixturePath(std::string_view name);
std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view bytes);
std::u16string U16(std::string_view utf8);
// UTF-16LE bytes of `text` with a terminating NUL, as the registry stores strings.
std::vector<std::uint8_t> Utf16Z(std::u16string_view text);

// A small user.reg as Wine writes it, with a history key of four values
// (one with a continuation line) and another key sharing a value name.
extern const std::string_view kSmallUserReg;
inline constexpr std::string_view kHistoryHeader = "[Software\\\\Netscape\\\\Netscape Navigator\\\\URL History]";

// `text` with the stamps of the section starting `header` (its number and
// the `#time=` line after it) replaced by fixed marks, to compare files whose
// only other difference is the moment of a change.
std::string MaskStamps(std::string text, std::string_view header);

// Sets (or, given nullptr, unsets) an environment variable for the life of
// the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value);
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;
  ~ScopedEnv();

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// The names in `folder`, sorted, to check that nothing was left behind.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

// Runs `body` in a forked child and returns its exit status (or 128 + the
// signal that ended it). As root the child first becomes `nobody`, because
// permission bits stop nothing for root.
int RunUnprivileged(const std::function<int()>& body);
uid_t UnprivilegedUid();
gid_t UnprivilegedGid();

}  // namespace store::testing
