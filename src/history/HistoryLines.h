#pragma once

#include <cstddef>
#include <string>

namespace history {

// The window's list of display lines, as the listing fills it and the purge
// reads its selection. Lines keep the order in which they were added.
class HistoryLines {
 public:
  virtual ~HistoryLines() = default;

  virtual void AddLine(const std::string& line) = 0;
  virtual std::size_t LineCount() const = 0;
  // Throws ListIndexError for a line that does not exist.
  virtual bool IsLineSelected(std::size_t index) const = 0;
};

}  // namespace history
