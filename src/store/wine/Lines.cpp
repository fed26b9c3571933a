#include "store/wine/Lines.h"

namespace store::wine {

Line LineAt(std::string_view text, std::size_t pos) {
  Line line;
  line.begin = pos;
  const std::size_t newline = text.find('\n', pos);
  if (newline == std::string_view::npos) {
    line.end = line.next = text.size();
    return line;
  }
  line.next = newline + 1;
  line.end = (newline > pos && text[newline - 1] == '\r') ? newline - 1 : newline;
  return line;
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  return pos;
}

}  // namespace store::wine
