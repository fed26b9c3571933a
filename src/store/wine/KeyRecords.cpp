#include "store/wine/KeyRecords.h"

#include "store/wine/SectionLines.h"

namespace store::wine {

bool VisitKeyRecords(std::string_view text, const KeyPath& path,
                     const std::function<void(const Record&)>& visit) {
  bool exists = path.empty();
  SectionLines sections(text);
  while (const auto line = sections.Next()) {
    const std::string_view content = Content(text, *line);
    const SectionPlace place = PlaceSection(content, SkipBlanks(content, 0), path);
    exists = exists || place != SectionPlace::Elsewhere;
    if (place != SectionPlace::Key) continue;
    RecordScanner scanner(text, line->begin);
    for (auto record = scanner.Next(); record; record = scanner.Next()) {
      const bool sectionLine =
          record->kind == RecordKind::Section || record->kind == RecordKind::BrokenSection;
      if (sectionLine && record->first.begin != line->begin) break;
      visit(*record);
    }
  }
  return exists;
}

}  // namespace store::wine
