#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/Registry.h"
#include "framework/StringList.h"

namespace history {

// Where the browser keeps its location-list history, below the current
// user's registry root. One string value per entry: URL_<number> = URL.
inline constexpr std::string_view kHistoryKey = "Software\\Netscape\\Netscape Navigator\\URL History";

// What the main window keeps between listing and purge. Line i of the list
// is EntryNumbers[i] + ":" + EntryUrls[i], and the value behind it is
// ToValueName(EntryNumbers[i]).
struct WindowState {
  std::unique_ptr<framework::Registry> HistoryRegistry;
  std::unique_ptr<framework::StringList> EntryNumbers;
  std::unique_ptr<framework::StringList> EntryUrls;
};

// Value name -> entry number: the integer in the (at most ten) characters
// after the first four, formatted "%2d". Throws ConvertError quoting that
// piece when it is not an integer.
std::string ToEntryNumber(std::string_view valueName);

// Entry number -> value name "URL_%d". Throws ConvertError quoting the entry
// number when it is not an integer.
std::string ToValueName(std::string_view entryNumber);

}  // namespace history
