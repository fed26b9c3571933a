// The listing for keys of growing size, per entry: its own work (the
// conversions and the sort) alone, and the whole of it with one read per
// entry from a registry in memory.
#include <benchmark/benchmark.h>

#include <string>

#include "MemoryStore.h"
#include "framework/StringList.h"
#include "history/Listing.h"

namespace {

class CountingLines : public history::HistoryLines {
 public:
  void AddLine(const std::string&) override { ++count_; }
  std::size_t LineCount() const override { return count_; }
  bool IsLineSelected(std::size_t) const override { return false; }

 private:
  std::size_t count_ = 0;
};

void SetPerEntry(benchmark::State& state, std::size_t entries) {
  state.counters["per_entry"] = benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(entries),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.SetComplexityN(static_cast<benchmark::IterationCount>(entries));
}

void BM_ConvertAndSort(benchmark::State& state) {
  const auto entries = static_cast<std::size_t>(state.range(0));
  framework::StringList names;
  for (std::size_t i = 1; i <= entries; ++i) names.Add("URL_" + std::to_string(i));
  for (auto _ : state) {
    framework::StringList numbers = names;
    for (std::size_t i = 0; i < numbers.Count(); ++i) numbers.Set(i, history::ToEntryNumber(numbers.Get(i)));
    numbers.Sort();
    benchmark::DoNotOptimize(numbers.Get(0));
  }
  SetPerEntry(state, entries);
}
BENCHMARK(BM_ConvertAndSort)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oNLogN);

void BM_Listing(benchmark::State& state) {
  const auto entries = static_cast<std::size_t>(state.range(0));
  testing_support::MemoryStore store;
  // The order the registry enumerates them in: sorted as text, not by number.
  for (std::size_t i = 1; i <= entries; ++i) {
    store.SetString(history::kHistoryKey, "URL_" + std::to_string(i), "http://www.example.com/page.html");
  }
  for (auto _ : state) {
    history::WindowState windowState;
    CountingLines lines;
    history::ListHistory(store, windowState, lines);
    benchmark::DoNotOptimize(lines.LineCount());
  }
  SetPerEntry(state, entries);
}
BENCHMARK(BM_Listing)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oNLogN);

}  // namespace
