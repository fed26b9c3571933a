#include "store/wine/KeyReader.h"

#include <algorithm>
#include <unordered_map>

#include "store/wine/NameCompare.h"
#include "store/wine/Records.h"

namespace store::wine {
std::optional<std::vector<NamedValue>> ReadKey(std::string_view text, const KeyPath& path) {
  bool exists = path.empty();
  bool inTarget = false;
  std::vector<NamedValue> values;
  std::unordered_map<std::u16string, std::size_t> byName;
  RecordScanner scanner(text);
  while (const auto record = scanner.Next()) {
    if (record->kind == RecordKind::Section || record->kind == RecordKind::BrokenSection) {
      inTarget = record->section && SamePath(record->section->path, path);
      exists = exists || (record->section && IsPrefixPath(path, record->section->path));
      continue;
    }
    if (!inTarget || record->kind != RecordKind::Value) continue;
    const std::string_view content = Content(text, record->first);
    std::u16string name = DecodeValueName(content, *record->value);
    Value value = DecodeValueData(text, record->first, *record->value);
    const auto [slot, inserted] = byName.try_emplace(FoldName(name), values.size());
    if (inserted) {
      values.push_back({std::move(name), std::move(value)});
    } else {
      values[slot->second].value = std::move(value);
    }
  }
  if (!exists) return std::nullopt;
  std::sort(values.begin(), values.end(), [](const NamedValue& a, const NamedValue& b) {
    return CompareNames(a.name, b.name) < 0;
  });
  return values;
}

}  // namespace store::wine
