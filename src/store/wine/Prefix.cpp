#include "store/wine/Prefix.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace store::wine {
namespace {

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return {};
}

}  // namespace

std::filesystem::path CurrentUserRegistryPath() {
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) {
    return std::filesystem::path(prefix) / "user.reg";
  }
  return HomeFolder() / ".wine" / "user.reg";
}

}  // namespace store::wine
