#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "store/wine/Rewrite.h"

namespace store::wine {

// Replaces the regular file `target` (no symlink) by `text` with `edits`
// applied, so that at every instant, a crash included, the file holds
// either all of the old or all of the new content: a temporary file in the
// same folder with the original's mode, owner and group, flushed to disk,
// renamed over the target, then the folder flushed. On failure the target
// is untouched, the temporary file removed, and StoreError names `shownAs`.
void ReplaceFile(const std::filesystem::path& target, std::string_view text,
                 const std::vector<Edit>& edits, const std::filesystem::path& shownAs);

}  // namespace store::wine
