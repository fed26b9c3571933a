#include "store/wine/KeyReader.h"

#include <algorithm>
#include <unordered_map>

#include "store/wine/KeyRecords.h"
#include "store/wine/NameCompare.h"

namespace store::wine {
std::optional<std::vector<NamedValue>> ReadKey(std::string_view text, const KeyPath& path) {
  std::vector<NamedValue> values;
  std::unordered_map<std::u16string, std::size_t> byName;
  const bool exists = VisitKeyRecords(text, path, [&](const Record& record) {
    if (record.kind != RecordKind::Value) return;
    std::u16string name = DecodeValueName(Content(text, record.first), *record.value);
    Value value = DecodeValueData(text, record.first, *record.value);
    const auto [slot, inserted] = byName.try_emplace(FoldName(name), values.size());
    if (inserted) {
      values.push_back({std::move(name), std::move(value)});
    } else {
      values[slot->second].value = std::move(value);
    }
  });
  if (!exists) return std::nullopt;
  std::sort(values.begin(), values.end(), [](const NamedValue& a, const NamedValue& b) {
    return CompareNames(a.name, b.name) < 0;
  });
  return values;
}

}  // namespace store::wine
