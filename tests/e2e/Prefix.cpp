#include "Prefix.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace {

const std::string kHistoryHeader = "[Software\\\\Netscape\\\\Netscape Navigator\\\\URL History] ";
const std::string kHistorySection = kHistoryHeader + "1796991799";

// Whether `line` is `prefix` followed by one or more of `digits`.
bool IsStamp(const std::string& line, const std::string& prefix, std::string_view digits) {
  return line.size() > prefix.size() && line.starts_with(prefix) &&
         line.find_first_not_of(digits, prefix.size()) == std::string::npos;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

Prefix::Prefix(const std::vector<std::string>& historyLines) {
  const std::vector<std::string> fresh = ReadLines(FIXTURES_DIR "/fresh-prefix.user.reg");
  // Sections are sorted; the history key goes before Software\Wine.
  const auto wine = std::find_if(fresh.begin(), fresh.end(),
                                 [](const std::string& line) { return line.starts_with("[Software\\\\Wine"); });
  written_.assign(fresh.begin(), wine);
  written_.push_back(kHistorySection);
  written_.push_back("#time=1dd896a68465c86");
  written_.insert(written_.end(), historyLines.begin(), historyLines.end());
  written_.push_back("");
  written_.insert(written_.end(), wine, fresh.end());

  std::ofstream out(UserReg().toStdString(), std::ios::binary);
  for (const std::string& line : written_) out << line << '\n';
}

std::vector<std::string> Prefix::Lines() const { return ReadLines(UserReg().toStdString()); }

std::vector<std::string> Prefix::WrittenWithout(const std::vector<std::string>& removed) const {
  std::vector<std::string> lines;
  std::copy_if(written_.begin(), written_.end(), std::back_inserter(lines), [&](const std::string& line) {
    return std::find(removed.begin(), removed.end(), line) == removed.end();
  });
  return lines;
}

std::vector<std::string> WithStampsOf(const std::vector<std::string>& before, std::vector<std::string> after) {
  const auto section = std::find(before.begin(), before.end(), kHistorySection);
  for (std::size_t i = 0; i + 1 < after.size(); ++i) {
    if (IsStamp(after[i], kHistoryHeader, "0123456789") && IsStamp(after[i + 1], "#time=", "0123456789abcdef")) {
      after[i] = *section;
      after[i + 1] = *(section + 1);
    }
  }
  return after;
}
