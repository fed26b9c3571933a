#pragma once

#include <cstddef>
#include <string>

namespace bench {

// A user.reg as Wine writes it, of about `bytes` bytes: many keys with
// values of every type (strings with escapes, dwords, hex data long enough
// to continue over several lines), and the browser's history key with
// `historyEntries` URLs somewhere in the middle.
std::string GenerateUserReg(std::size_t bytes, std::size_t historyEntries);

}  // namespace bench
