#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "store/RegistryStore.h"

namespace store::wine {

// The cause of a failed system call, in words for the user.
std::string DescribeErrno(int error);

// "'<file>' <what>: <cause>" as a StoreError.
StoreError FileError(const std::filesystem::path& file, std::string_view what, int error);
StoreError FileError(const std::filesystem::path& file, std::string_view what);

}  // namespace store::wine
