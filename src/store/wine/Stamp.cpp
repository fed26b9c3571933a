#include "store/wine/Stamp.h"

#include <cstdint>
#include <cstdio>

namespace store::wine {
namespace {

constexpr std::uint64_t kTicksPerSecond = 10'000'000;
constexpr std::uint64_t kTicks1601To1970 = 116'444'736'000'000'000;

}  // namespace

Stamp StampAt(const timespec& time) {
  const auto seconds = static_cast<std::uint64_t>(time.tv_sec);
  const std::uint64_t ticks = seconds * kTicksPerSecond +
                              static_cast<std::uint64_t>(time.tv_nsec) / 100 + kTicks1601To1970;
  char buffer[32];
  Stamp stamp;
  std::snprintf(buffer, sizeof buffer, "%llu", static_cast<unsigned long long>(seconds));
  stamp.seconds = buffer;
  std::snprintf(buffer, sizeof buffer, "%llx", static_cast<unsigned long long>(ticks));
  stamp.fileTime = buffer;
  return stamp;
}

Stamp StampNow() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return StampAt(now);
}

}  // namespace store::wine
