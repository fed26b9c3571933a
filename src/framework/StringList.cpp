#include "framework/StringList.h"

#include <algorithm>

#include "framework/Exception.h"
#include "framework/LocaleCompare.h"

namespace framework {

const std::string& StringList::Get(std::size_t index) const {
  if (index >= items_.size()) throw ListIndexError(std::string(kListIndexMessage));
  return items_[index];
}

void StringList::Set(std::size_t index, std::string text) {
  if (index >= items_.size()) throw ListIndexError(std::string(kListIndexMessage));
  items_[index] = std::move(text);
}

void StringList::Sort() {
  std::sort(items_.begin(), items_.end(), [](const std::string& a, const std::string& b) {
    return CompareTextLocale(a, b) < 0;
  });
}

}  // namespace framework
