#pragma once

#include <ctime>
#include <string>

namespace store::wine {

// A key's last-write time as Wine writes it: seconds since 1970 after the
// section line, and a FILETIME (100 ns since 1601) in lowercase hex on the
// `#time=` line.
struct Stamp {
  std::string seconds;
  std::string fileTime;
};

Stamp StampAt(const timespec& time);
Stamp StampNow();

}  // namespace store::wine
