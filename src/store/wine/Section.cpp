#include "store/wine/Section.h"

#include <algorithm>

#include "store/wine/Escapes.h"
#include "store/wine/Lines.h"
#include "store/wine/NameCompare.h"

namespace store::wine {
namespace {

// Follows a section's path part by part against the key's, as SplitKeyPath
// and SameName would, and stops at the first unit that cannot match.
class PathMatcher final : public UnitSink {
 public:
  explicit PathMatcher(const KeyPath& key) : key_(key) {}

  bool Put(char16_t unit) override {
    if (unit == u'\\') {
      if (partLength_ == 0) return true;
      if (partLength_ != key_[part_].size()) return Differ();
      ++part_;
      partLength_ = 0;
      return true;
    }
    if (part_ == key_.size()) {
      below_ = true;
      return false;
    }
    const std::u16string& name = key_[part_];
    if (partLength_ == name.size() || LowerUnit(unit) != LowerUnit(name[partLength_])) return Differ();
    ++partLength_;
    return true;
  }

  // After the whole path has been put.
  bool SameAsKey() const {
    if (differs_) return false;
    const std::size_t parts = part_ + (partLength_ > 0 ? 1 : 0);
    return parts == key_.size() && (partLength_ == 0 || partLength_ == key_[part_].size());
  }
  bool BelowKey() const { return below_; }

 private:
  bool Differ() {
    differs_ = true;
    return false;
  }

  const KeyPath& key_;
  std::size_t part_ = 0;
  std::size_t partLength_ = 0;
  bool below_ = false;
  bool differs_ = false;
};

}  // namespace

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

SectionPlace PlaceSection(std::string_view content, std::size_t start, const KeyPath& key) {
  PathMatcher matcher(key);
  const bool complete = DecodeInto(content, start + 1, ']', matcher).has_value();
  if (complete) return matcher.SameAsKey() ? SectionPlace::Key : SectionPlace::Elsewhere;
  // Below the key only if Wine can read the line as a section at all.
  if (matcher.BelowKey() && SkipString(content, start + 1, ']')) return SectionPlace::BelowKey;
  return SectionPlace::Elsewhere;
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
