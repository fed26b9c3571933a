#include "framework/LocaleCompare.h"

#include <compare>
#include <cstddef>

#include "framework/Utf8.h"

namespace framework {
namespace {

enum class Group { Punctuation, Digit, Letter, Other };

struct Weight {
  Group group;
  char32_t value;
  auto operator<=>(const Weight&) const = default;
};

bool PassedOver(char32_t cp) { return cp == U'-' || cp == U'\''; }

Weight WeightOf(char32_t cp) {
  if (cp >= U'0' && cp <= U'9') return {Group::Digit, cp};
  if (cp >= U'a' && cp <= U'z') return {Group::Letter, cp};
  if (cp >= U'A' && cp <= U'Z') return {Group::Letter, cp - U'A' + U'a'};
  if (cp < 0x80) return {Group::Punctuation, cp};
  return {Group::Other, cp};
}

// Walks a text's characters, either those that carry a weight or, for the
// tie-break, those passed over (with the index at which each stood).
class Cursor {
 public:
  Cursor(std::string_view text, bool passedOver) : text_(text), passedOver_(passedOver) {}

  bool Next(char32_t& cp, std::size_t& index) {
    while (pos_ < text_.size()) {
      cp = NextCodePoint(text_, pos_);
      index = index_++;
      if (PassedOver(cp) == passedOver_) return true;
    }
    return false;
  }

 private:
  std::string_view text_;
  bool passedOver_;
  std::size_t pos_ = 0;
  std::size_t index_ = 0;
};

int Sign(std::strong_ordering order) { return order < 0 ? -1 : (order > 0 ? 1 : 0); }

// Compares what two cursors yield, a shorter run first on equal prefixes.
template <typename Project>
int CompareRuns(Cursor a, Cursor b, Project project) {
  char32_t ca = 0, cb = 0;
  std::size_t ia = 0, ib = 0;
  for (;;) {
    const bool hasA = a.Next(ca, ia);
    const bool hasB = b.Next(cb, ib);
    if (!hasA || !hasB) return hasA ? 1 : (hasB ? -1 : 0);
    if (const auto order = project(ca, ia) <=> project(cb, ib); order != 0) return Sign(order);
  }
}

}  // namespace

int CompareTextLocale(std::string_view a, std::string_view b) {
  const int primary = CompareRuns(Cursor(a, false), Cursor(b, false),
                                  [](char32_t cp, std::size_t) { return WeightOf(cp); });
  if (primary != 0) return primary;
  struct Mark {
    std::size_t index;
    char32_t cp;
    auto operator<=>(const Mark&) const = default;
  };
  return CompareRuns(Cursor(a, true), Cursor(b, true),
                     [](char32_t cp, std::size_t index) { return Mark{index, cp}; });
}

}  // namespace framework
