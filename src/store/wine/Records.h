#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "store/wine/Lines.h"
#include "store/wine/Section.h"
#include "store/wine/ValueLine.h"

namespace store::wine {

enum class RecordKind {
  Section,        // a key Wine creates
  BrokenSection,  // a section line Wine cannot read: what follows has no key
  Value,
  Option,         // `#...` inside a key
  Other,          // anything Wine skips
};

// One thing Wine's loader reads: a single line, or a value with all of its
// continuation lines.
struct Record {
  RecordKind kind = RecordKind::Other;
  Line first;
  std::size_t end = 0;    // start of the line after the record
  std::size_t start = 0;  // first non-blank of the first line's content
  std::optional<SectionHeader> section;
  std::optional<ValueHead> value;
};

// Walks the records of a registry file after its first line, keeping the
// one piece of state that changes how Wine reads a line: whether a key is
// open for values and options.
class RecordScanner {
 public:
  explicit RecordScanner(std::string_view text);
  // From a line known to start a record outside any key, or a section line.
  RecordScanner(std::string_view text, std::size_t recordStart);
  std::optional<Record> Next();
  // Where the next record starts.
  std::size_t Position() const { return pos_; }

 private:
  std::string_view text_;
  std::size_t pos_;
  bool inKey_ = false;
};

}  // namespace store::wine
