#pragma once

#include <filesystem>
#include <vector>

#include "store/wine/Descriptor.h"

namespace store::wine {

// The files a wineserver of `prefix` would hold locked, in Debian's layout
// (<tmp>/<name from $prefix/wineserver>/server-<dev>-<ino>/lock, for $TMPDIR
// and /tmp) and in upstream's (/tmp/.wine-<uid>/server-<dev>-<ino>/lock).
std::vector<std::filesystem::path> ServerLockFiles(const std::filesystem::path& prefix);

// Proof that no wineserver runs for a prefix: takes the server's own lock
// wherever its file exists and keeps it while alive, so none can start.
// Throws StoreError, naming `file`, when a server holds it.
class ServerLock {
 public:
  ServerLock(const std::filesystem::path& prefix, const std::filesystem::path& file);

 private:
  // A POSIX lock dies with any close() of its file in this process, so each
  // file is opened once and kept open.
  std::vector<Descriptor> held_;
};

}  // namespace store::wine
