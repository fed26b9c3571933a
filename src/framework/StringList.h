#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace framework {

// An ordered, indexable list of texts, unsorted until Sort is asked for.
class StringList {
 public:
  std::size_t Count() const noexcept { return items_.size(); }

  // Throw ListIndexError for an index outside the list.
  const std::string& Get(std::size_t index) const;
  void Set(std::size_t index, std::string text);

  void Add(std::string text) { items_.push_back(std::move(text)); }
  void Clear() noexcept { items_.clear(); }

  // Ascending by the user locale's case-insensitive comparison. Not stable:
  // texts that compare equal may end up in any order.
  void Sort();

 private:
  std::vector<std::string> items_;
};

}  // namespace framework
