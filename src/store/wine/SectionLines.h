#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "store/wine/Lines.h"
#include "store/wine/Records.h"

namespace store::wine {

// The lines Wine reads as section lines, found without reading the records
// between them: a line whose first non-blank is `[` starts a section unless
// it continues a hex value, and it can only do that when the line before
// it holds a backslash. Only then is the way there read record by record.
class SectionLines {
 public:
  explicit SectionLines(std::string_view text);
  std::optional<Line> Next();

 private:
  bool StartsRecord(std::size_t lineBegin);

  std::string_view text_;
  std::size_t searchFrom_;
  // Reads exactly from the last section line found, or from the file's
  // start, and only as far as a doubtful line needs.
  RecordScanner exact_;
};

}  // namespace store::wine
