#include "store/wine/SectionLines.h"

namespace store::wine {
namespace {

std::size_t LineBegin(std::string_view text, std::size_t pos) {
  const std::size_t newline = text.rfind('\n', pos);
  return newline == std::string_view::npos ? 0 : newline + 1;
}

bool PreviousLineHasBackslash(std::string_view text, std::size_t lineBegin) {
  for (std::size_t pos = lineBegin - 1; pos > 0 && text[pos - 1] != '\n'; --pos) {
    if (text[pos - 1] == '\\') return true;
  }
  return false;
}

}  // namespace

SectionLines::SectionLines(std::string_view text)
    : text_(text), searchFrom_(LineAt(text, 0).next), exact_(text) {}

std::optional<Line> SectionLines::Next() {
  for (;;) {
    const std::size_t bracket = text_.find('[', searchFrom_);
    if (bracket == std::string_view::npos) {
      searchFrom_ = text_.size();
      return std::nullopt;
    }
    const std::size_t begin = LineBegin(text_, bracket);
    const Line line = LineAt(text_, begin);
    // Only a line's first bracket can start a section: the rest of the line
    // is never searched, so a long line full of brackets costs one pass.
    searchFrom_ = line.next;
    if (SkipBlanks(text_, begin) != bracket || !StartsRecord(begin)) continue;
    exact_ = RecordScanner(text_, begin);
    return line;
  }
}

bool SectionLines::StartsRecord(std::size_t lineBegin) {
  if (lineBegin < exact_.Position()) return false;
  if (!PreviousLineHasBackslash(text_, lineBegin)) return true;
  while (exact_.Position() < lineBegin && exact_.Next()) {
  }
  return exact_.Position() == lineBegin;
}

}  // namespace store::wine
