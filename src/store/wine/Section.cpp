#include "store/wine/Section.h"

#include <algorithm>

#include "store/wine/Escapes.h"
#include "store/wine/Lines.h"
#include "store/wine/NameCompare.h"

namespace store::wine {

std::optional<SectionHeader> ParseSectionHeader(std::string_view content, std::size_t start) {
  const auto decoded = DecodeString(content, start + 1, ']');
  if (!decoded) return std::nullopt;
  SectionHeader header;
  header.path = SplitKeyPath(decoded->text);
  std::size_t pos = SkipBlanks(content, decoded->next);
  header.secondsBegin = pos;
  while (pos < content.size() && content[pos] >= '0' && content[pos] <= '9') ++pos;
  header.secondsEnd = pos;
  return header;
}

KeyPath SplitKeyPath(std::u16string_view path) {
  KeyPath parts;
  std::size_t pos = 0;
  while (pos < path.size()) {
    const std::size_t separator = std::min(path.find(u'\\', pos), path.size());
    if (separator > pos) parts.emplace_back(path.substr(pos, separator - pos));
    pos = separator + 1;
  }
  return parts;
}

bool IsPrefixPath(const KeyPath& prefix, const KeyPath& path) {
  if (prefix.size() > path.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (!SameName(prefix[i], path[i])) return false;
  }
  return true;
}

bool SamePath(const KeyPath& a, const KeyPath& b) {
  return a.size() == b.size() && IsPrefixPath(a, b);
}

}  // namespace store::wine
