#pragma once

#include <cstddef>
#include <string_view>

namespace store::wine {

// One line of the file. Wine drops the LF and a CR just before it; a last
// line without LF keeps everything, a CR included.
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;   // end of the content
  std::size_t next = 0;  // start of the following line
};

// The line that starts at `pos`, which must be inside `text`.
Line LineAt(std::string_view text, std::size_t pos);

inline std::string_view Content(std::string_view text, const Line& line) {
  return text.substr(line.begin, line.end - line.begin);
}

// isspace() of the C locale, which is what Wine's loader skips.
inline bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

inline bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos);

}  // namespace store::wine
