// The registry work of the listing and of the purge on user.reg files of a
// new prefix's size, a well-used prefix's and a very large one's, each
// beside the least that any program must do with a file of that size.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "UserRegGenerator.h"
#include "history/Listing.h"
#include "history/Purge.h"
#include "store/wine/WineUserRegistry.h"

namespace {

constexpr std::size_t kHistoryEntries = 200;

// The fastest plain read: one buffer of the file's size, filled by read().
std::string ReadAll(const std::filesystem::path& path) {
  std::string content(std::filesystem::file_size(path), '\0');
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  std::size_t done = 0;
  while (fd >= 0 && done < content.size()) {
    const ssize_t got = ::read(fd, content.data() + done, content.size() - done);
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  if (fd >= 0) ::close(fd);
  content.resize(done);
  return content;
}

void WriteAll(const std::filesystem::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

// One prefix folder per size, made once for the whole run.
const std::filesystem::path& Prefix(std::size_t bytes) {
  static std::map<std::size_t, std::filesystem::path> prefixes;
  auto& prefix = prefixes[bytes];
  if (prefix.empty()) {
    const char* root = std::getenv("TAVRINE_BENCH_DIR");
    prefix = std::filesystem::path(root ? root : "/tmp") / ("tavrine-bench-" + std::to_string(bytes));
    std::filesystem::create_directories(prefix);
    WriteAll(prefix / "original.reg", bench::GenerateUserReg(bytes, kHistoryEntries));
    std::filesystem::copy_file(prefix / "original.reg", prefix / "user.reg",
                               std::filesystem::copy_options::overwrite_existing);
  }
  return prefix;
}

class Lines : public history::HistoryLines {
 public:
  void AddLine(const std::string&) override { ++count_; }
  std::size_t LineCount() const override { return count_; }
  bool IsLineSelected(std::size_t index) const override { return index == 1 || index == 50 || index == 150; }

 private:
  std::size_t count_ = 0;
};

void SetBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_PlainRead(benchmark::State& state) {
  const auto file = Prefix(static_cast<std::size_t>(state.range(0))) / "user.reg";
  for (auto _ : state) benchmark::DoNotOptimize(ReadAll(file).size());
  SetBytes(state);
}

void BM_OpenListRead(benchmark::State& state) {
  const auto file = Prefix(static_cast<std::size_t>(state.range(0))) / "user.reg";
  for (auto _ : state) {
    store::wine::WineUserRegistry registry(file);
    history::WindowState windowState;
    Lines lines;
    history::ListHistory(registry, windowState, lines);
    if (lines.LineCount() != kHistoryEntries) state.SkipWithError("history not listed");
  }
  SetBytes(state);
}

void BM_CopyFsyncRename(benchmark::State& state) {
  const auto& prefix = Prefix(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    const std::string content = ReadAll(prefix / "user.reg");
    const auto temp = prefix / "copy.tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    const bool written = fd >= 0 && ::write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size()) &&
                         ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    if (!written || ::rename(temp.c_str(), (prefix / "user.reg").c_str()) != 0) state.SkipWithError("copy failed");
    const int dir = ::open(prefix.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(dir);
    ::close(dir);
  }
  SetBytes(state);
}

void BM_PurgeCommit(benchmark::State& state) {
  const auto& prefix = Prefix(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::copy_file(prefix / "original.reg", prefix / "user.reg",
                               std::filesystem::copy_options::overwrite_existing);
    store::wine::WineUserRegistry registry(prefix / "user.reg");
    history::WindowState windowState;
    Lines lines;
    history::ListHistory(registry, windowState, lines);
    state.ResumeTiming();
    history::PurgeSelected(windowState, lines);
  }
  SetBytes(state);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  for (const std::int64_t bytes : {26 << 10, 4 << 20, 64 << 20}) benchmark->Arg(bytes);
  benchmark->Unit(benchmark::kMillisecond)->UseRealTime();
}
BENCHMARK(BM_PlainRead)->Apply(Sizes);
BENCHMARK(BM_OpenListRead)->Apply(Sizes);
BENCHMARK(BM_CopyFsyncRename)->Apply(Sizes);
BENCHMARK(BM_PurgeCommit)->Apply(Sizes);

}  // namespace
