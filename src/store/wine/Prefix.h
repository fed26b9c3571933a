#pragma once

#include <filesystem>

namespace store::wine {

// The current user's registry of Wine's prefix: $WINEPREFIX/user.reg, or
// ~/.wine/user.reg when WINEPREFIX is unset or empty, as Wine itself finds it.
std::filesystem::path CurrentUserRegistryPath();

}  // namespace store::wine
