// libFuzzer target over reading, deleting and rewriting a user.reg.
//
// The section lines found by skipping ahead must be those found by reading
// every record. For one key of the input (chosen by the input's size) and
// some of its values, the deletion must leave a file that Wine reads exactly as before
// except for those values: every other key unchanged, the key itself
// without them, and edits that only remove whole lines or rewrite stamps.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/wine/KeyReader.h"
#include "store/wine/Records.h"
#include "store/wine/RegistryFile.h"
#include "store/wine/Rewrite.h"
#include "store/wine/Section.h"
#include "store/wine/SectionLines.h"

namespace {

using namespace store::wine;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool SameValues(const std::vector<NamedValue>& a, const std::vector<NamedValue>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].name != b[i].name || a[i].value.type != b[i].value.type || a[i].value.data != b[i].value.data) {
      return false;
    }
  }
  return true;
}

bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The edits may only drop whole values, all of their lines, or put a new
// stamp where digits were.
void RequireLineExactEdits(std::string_view text, const std::vector<Edit>& edits) {
  std::vector<std::pair<std::size_t, std::size_t>> values;
  RecordScanner scanner(text);
  while (const auto record = scanner.Next()) {
    if (record->kind == RecordKind::Value) values.emplace_back(record->first.begin, record->end);
  }
  std::size_t previousEnd = 0;
  for (const Edit& edit : edits) {
    Require(edit.begin >= previousEnd && edit.begin <= edit.end && edit.end <= text.size());
    previousEnd = edit.end;
    if (edit.replacement.empty()) {
      Require(edit.begin > 0 && text[edit.begin - 1] == '\n');
      Require(edit.end == text.size() || text[edit.end - 1] == '\n');
      Require(std::find(values.begin(), values.end(), std::pair{edit.begin, edit.end}) != values.end());
      continue;
    }
    for (std::size_t i = edit.begin; i < edit.end; ++i) Require(IsHex(text[i]));
    for (const char c : edit.replacement) Require(IsHex(c));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const bool editable = HasRegistryHeader(text) && text.find('\0') == std::string::npos;

  std::vector<KeyPath> paths;
  SectionLines sections(text);
  RecordScanner scanner(text);
  while (const auto record = scanner.Next()) {
    if (record->kind != RecordKind::Section && record->kind != RecordKind::BrokenSection) continue;
    const auto line = sections.Next();
    Require(line && line->begin == record->first.begin);
    if (record->section && paths.size() < 16) paths.push_back(record->section->path);
  }
  Require(!sections.Next());
  if (paths.empty()) {
    (void)ReadKey(text, {});
    return 0;
  }
  const KeyPath& target = paths[size % paths.size()];
  const auto before = ReadKey(text, target);
  Require(before.has_value());
  if (!editable) return 0;

  std::vector<std::u16string> names;
  std::vector<NamedValue> kept;
  for (std::size_t i = 0; i < before->size(); ++i) {
    if ((i + size / 7) % 3 != 0) {
      names.push_back((*before)[i].name);
    } else {
      kept.push_back((*before)[i]);
    }
  }
  const Stamp stamp = StampAt({1800000000, 0});
  const auto edits = PlanDeletion(text, target, names, stamp);
  Require(edits.empty() == names.empty());
  RequireLineExactEdits(text, edits);

  std::string out;
  WriteEdited(text, edits, [&](std::string_view piece) { out += piece; });
  Require(HasRegistryHeader(out));

  const auto after = ReadKey(out, target);
  Require(after.has_value() && SameValues(*after, kept));
  Require(PlanDeletion(out, target, names, stamp).empty());
  for (const KeyPath& other : paths) {
    if (SamePath(other, target)) continue;
    const auto was = ReadKey(text, other);
    const auto is = ReadKey(out, other);
    Require(was.has_value() && is.has_value() && SameValues(*was, *is));
  }
  return 0;
}
