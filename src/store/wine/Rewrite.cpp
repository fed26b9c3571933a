#include "store/wine/Rewrite.h"

#include <unordered_set>

#include "store/wine/KeyRecords.h"
#include "store/wine/Lines.h"
#include "store/wine/NameCompare.h"

namespace store::wine {

std::vector<Edit> PlanDeletion(std::string_view text, const KeyPath& path,
                               const std::vector<std::u16string>& names, const Stamp& stamp) {
  std::vector<Edit> edits;
  std::unordered_set<std::u16string> folded;
  for (const auto& name : names) folded.insert(FoldName(name));
  bool deleted = false;
  VisitKeyRecords(text, path, [&](const Record& record) {
    const std::string_view content = Content(text, record.first);
    const std::size_t lineBegin = record.first.begin;
    switch (record.kind) {
      case RecordKind::Section:
        if (record.section->secondsBegin < record.section->secondsEnd) {
          edits.push_back({lineBegin + record.section->secondsBegin,
                           lineBegin + record.section->secondsEnd, stamp.seconds});
        }
        break;
      case RecordKind::Option:
        if (content.substr(record.start).starts_with("#time=")) {
          const std::size_t digits = record.start + 6;
          std::size_t end = digits;
          while (end < content.size() && IsHexDigit(content[end])) ++end;
          edits.push_back({lineBegin + digits, lineBegin + end, stamp.fileTime});
        }
        break;
      case RecordKind::Value:
        if (folded.contains(FoldName(DecodeValueName(content, *record.value)))) {
          edits.push_back({lineBegin, record.end, {}});
          deleted = true;
        }
        break;
      case RecordKind::BrokenSection:
      case RecordKind::Other:
        break;
    }
  });
  if (!deleted) edits.clear();
  return edits;
}

void WriteEdited(std::string_view text, const std::vector<Edit>& edits,
                 const std::function<void(std::string_view)>& write) {
  std::size_t pos = 0;
  for (const Edit& edit : edits) {
    if (edit.begin > pos) write(text.substr(pos, edit.begin - pos));
    if (!edit.replacement.empty()) write(edit.replacement);
    pos = edit.end;
  }
  if (pos < text.size()) write(text.substr(pos));
}

}  // namespace store::wine
