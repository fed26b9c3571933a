#include "history/HistoryEntries.h"

#include <cstdio>

#include "framework/StrToInt.h"
#include "framework/Utf8.h"

namespace history {
namespace {

std::string FormatInt(const char* format, std::int32_t value) {
  char buffer[16];
  const int length = std::snprintf(buffer, sizeof buffer, format, value);
  return std::string(buffer, static_cast<std::size_t>(length));
}

}  // namespace

std::string ToEntryNumber(std::string_view valueName) {
  // The browser's prefix "URL_" is skipped unread, whatever it holds.
  const std::string_view rest = valueName.substr(framework::Utf8Offset(valueName, 4));
  const std::string_view piece = rest.substr(0, framework::Utf8Offset(rest, 10));
  return FormatInt("%2d", framework::StrToInt(piece));
}

std::string ToValueName(std::string_view entryNumber) {
  return FormatInt("URL_%d", framework::StrToInt(entryNumber));
}

}  // namespace history
