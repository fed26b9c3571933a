#include "store/wine/ServerLock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "store/wine/FileError.h"

namespace store::wine {
namespace {

std::string ServerFolderName(const struct stat& prefix) {
  char name[64];
  std::snprintf(name, sizeof name, "server-%llx-%llx", static_cast<unsigned long long>(prefix.st_dev),
                static_cast<unsigned long long>(prefix.st_ino));
  return name;
}

std::string DebianFolderName(const std::filesystem::path& prefix) {
  std::ifstream in(prefix / "wineserver", std::ios::binary);
  std::string name((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
  return name;
}

StoreError WineRunning(const std::filesystem::path& file) {
  return FileError(file,
                   "は Wine が使用中のため書き換えられません。このプレフィックスの Windows "
                   "プログラムをすべて終了し、wineserver -k を実行してから、もう一度 OK "
                   "を押してください");
}

flock ByteZero(short type) {
  flock lock{};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 1;
  return lock;
}

}  // namespace

std::vector<std::filesystem::path> ServerLockFiles(const std::filesystem::path& prefix) {
  struct stat info {};
  if (stat(prefix.c_str(), &info) != 0) return {};
  const std::string server = ServerFolderName(info);
  std::vector<std::filesystem::path> files;
  const std::string debian = DebianFolderName(prefix);
  if (!debian.empty()) {
    const char* tmpdir = std::getenv("TMPDIR");
    if (tmpdir && *tmpdir && std::filesystem::path(tmpdir) != "/tmp") {
      files.push_back(std::filesystem::path(tmpdir) / debian / server / "lock");
    }
    files.push_back(std::filesystem::path("/tmp") / debian / server / "lock");
  }
  files.push_back(std::filesystem::path("/tmp") / (".wine-" + std::to_string(getuid())) / server /
                  "lock");
  return files;
}

ServerLock::ServerLock(const std::filesystem::path& prefix, const std::filesystem::path& file) {
  struct stat prefixInfo {};
  if (stat(prefix.c_str(), &prefixInfo) != 0) throw FileError(prefix, "を確認できません", errno);
  std::vector<std::pair<dev_t, ino_t>> seen;
  for (const auto& lockFile : ServerLockFiles(prefix)) {
    struct stat info {};
    if (stat(lockFile.c_str(), &info) != 0) {
      if (errno == ENOENT || errno == ENOTDIR) continue;
      throw FileError(lockFile, "を確認できません", errno);
    }
    // Opening the same file twice and closing one would drop the lock.
    const std::pair id{info.st_dev, info.st_ino};
    bool duplicate = false;
    for (const auto& other : seen) duplicate = duplicate || other == id;
    if (duplicate) continue;
    seen.push_back(id);

    Descriptor fd(open(lockFile.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
    if (!fd) {
      // A lock file we may not write can still tell whether a server holds it.
      Descriptor readOnly(open(lockFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
      if (!readOnly) throw FileError(lockFile, "を確認できません", errno);
      flock probe = ByteZero(F_WRLCK);
      probe.l_len = 0;
      if (fcntl(readOnly.get(), F_GETLK, &probe) != 0) throw FileError(lockFile, "を確認できません", errno);
      if (probe.l_type != F_UNLCK) throw WineRunning(file);
      continue;
    }
    flock lock = ByteZero(F_WRLCK);
    if (fcntl(fd.get(), F_SETLK, &lock) != 0) {
      if (errno == EACCES || errno == EAGAIN) throw WineRunning(file);
      throw FileError(lockFile, "をロックできません", errno);
    }
    held_.push_back(std::move(fd));
  }
}

}  // namespace store::wine
