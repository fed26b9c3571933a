#pragma once

#include <set>
#include <string>
#include <vector>

#include "framework/Exception.h"
#include "history/HistoryLines.h"

// The window's list as plain data: the lines added and the indexes selected.
class FakeLines : public history::HistoryLines {
 public:
  void AddLine(const std::string& line) override { lines.push_back(line); }
  std::size_t LineCount() const override { return lines.size(); }
  bool IsLineSelected(std::size_t index) const override {
    if (index >= lines.size() || index == failingIndex) {
      throw framework::ListIndexError(std::string(framework::kListIndexMessage));
    }
    return selected.contains(index);
  }

  std::vector<std::string> lines;
  std::set<std::size_t> selected;
  std::size_t failingIndex = SIZE_MAX;
};
