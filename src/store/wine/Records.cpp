#include "store/wine/Records.h"

namespace store::wine {

RecordScanner::RecordScanner(std::string_view text) : RecordScanner(text, LineAt(text, 0).next) {}

RecordScanner::RecordScanner(std::string_view text, std::size_t recordStart)
    : text_(text), pos_(recordStart) {}

std::optional<Record> RecordScanner::Next() {
  if (pos_ >= text_.size()) return std::nullopt;
  Record record;
  record.first = LineAt(text_, pos_);
  record.end = record.first.next;
  const std::string_view content = Content(text_, record.first);
  record.start = SkipBlanks(content, 0);
  const char lead = record.start < content.size() ? content[record.start] : '\0';
  if (lead == '[') {
    record.section = ParseSectionHeader(content, record.start);
    inKey_ = record.section.has_value();
    record.kind = inKey_ ? RecordKind::Section : RecordKind::BrokenSection;
  } else if ((lead == '"' || lead == '@') && inKey_) {
    record.value = ParseValueHead(content, record.start);
    if (record.value) {
      record.kind = RecordKind::Value;
      record.end = ValueEnd(text_, record.first, *record.value);
    }
  } else if (lead == '#' && inKey_) {
    record.kind = RecordKind::Option;
  }
  pos_ = record.end;
  return record;
}

}  // namespace store::wine
