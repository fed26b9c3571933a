#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store::wine {

using KeyPath = std::vector<std::u16string>;

// A section line `[path] seconds`. Positions are offsets into its content.
struct SectionHeader {
  KeyPath path;
  std::size_t secondsBegin = 0;  // equal to secondsEnd when there is no number
  std::size_t secondsEnd = 0;
};

// The section whose `[` is at `start`; nothing when the `]` is missing,
// which Wine treats as a key it cannot create.
std::optional<SectionHeader> ParseSectionHeader(std::string_view content, std::size_t start);

// Where a section lies relative to one key.
enum class SectionPlace {
  Elsewhere,  // another key, or a line Wine cannot read as a section
  Key,
  BelowKey,
};

// The place of the section whose `[` is at `start`, decoding no more of its
// path than it takes to tell: most sections differ from the key within their
// first few characters.
SectionPlace PlaceSection(std::string_view content, std::size_t start, const KeyPath& key);

// Wine splits key paths at backslashes and ignores empty parts.
KeyPath SplitKeyPath(std::u16string_view path);

bool SamePath(const KeyPath& a, const KeyPath& b);
bool IsPrefixPath(const KeyPath& prefix, const KeyPath& path);

}  // namespace store::wine
