#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace store::wine {

// Whether Wine would load `text` at all: its first line, without the line
// end, must be exactly "WINE REGISTRY Version 2".
bool HasRegistryHeader(std::string_view text);

// The whole file into `text`, checked to be a registry this store can
// rewrite without changing what Wine reads from it. Memory that `text`
// already holds is reused, which spares a large file's page faults on a
// second read. Throws StoreError naming `shownAs`.
void ReadRegistryFile(const std::filesystem::path& file, const std::filesystem::path& shownAs,
                      std::string& text);

}  // namespace store::wine
