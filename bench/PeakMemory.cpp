// Peak resident memory of the listing and of the purge on one user.reg,
// each in a child process of its own, beside a child that lists an empty
// prefix. Prints one JSON object (sizes in KiB).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "history/Listing.h"
#include "history/Purge.h"
#include "store/wine/WineUserRegistry.h"

namespace {

class Lines : public history::HistoryLines {
 public:
  void AddLine(const std::string&) override { ++count_; }
  std::size_t LineCount() const override { return count_; }
  bool IsLineSelected(std::size_t index) const override { return index < 3; }

 private:
  std::size_t count_ = 0;
};

void Run(const std::filesystem::path& userReg, bool purge) {
  store::wine::WineUserRegistry registry(userReg);
  history::WindowState state;
  Lines lines;
  history::ListHistory(registry, state, lines);
  if (purge) history::PurgeSelected(state, lines);
}

long PeakKiB(const std::filesystem::path& userReg, bool purge) {
  const pid_t child = ::fork();
  if (child == 0) {
    try {
      Run(userReg, purge);
    } catch (...) {
      ::_exit(1);
    }
    ::_exit(0);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s USER.REG EMPTY-PREFIX-USER.REG\n", argv[0]);
    return 2;
  }
  const std::filesystem::path file = argv[1];
  const long empty = PeakKiB(argv[2], false);
  const long listing = PeakKiB(file, false);
  const long purge = PeakKiB(file, true);
  std::printf("{\"file_kib\": %lld, \"empty_kib\": %ld, \"listing_kib\": %ld, \"purge_kib\": %ld}\n",
              static_cast<long long>(std::filesystem::file_size(file) / 1024), empty, listing, purge);
  return listing < 0 || purge < 0 ? 1 : 0;
}
