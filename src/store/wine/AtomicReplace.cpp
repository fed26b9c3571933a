#include "store/wine/AtomicReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

#include "store/wine/Descriptor.h"
#include "store/wine/FileError.h"

namespace store::wine {
namespace {

constexpr std::string_view kWriteFailed = "を書き換えられませんでした";

std::filesystem::path TemporaryName(const std::filesystem::path& target) {
  std::random_device device;
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%d.%08x.tmp", static_cast<int>(getpid()), device());
  // Built by appending: GCC 12 reports a false -Wrestrict on the chained operator+.
  std::string name = ".";
  name.append(target.filename().string()).append(suffix);
  return target.parent_path() / name;
}

// Removes the temporary file unless the rename made it the target.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::filesystem::path path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!renamed_) unlink(path_.c_str());
  }
  const std::filesystem::path& path() const { return path_; }
  void MarkRenamed() { renamed_ = true; }

 private:
  std::filesystem::path path_;
  bool renamed_ = false;
};

void WriteAll(int fd, std::string_view bytes, const std::filesystem::path& shownAs) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) throw FileError(shownAs, kWriteFailed, errno);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

}  // namespace

void ReplaceFile(const std::filesystem::path& target, std::string_view text,
                 const std::vector<Edit>& edits, const std::filesystem::path& shownAs) {
  struct stat original {};
  if (stat(target.c_str(), &original) != 0) throw FileError(shownAs, kWriteFailed, errno);

  Descriptor fd;
  std::filesystem::path name;
  // A name that exists already is someone else's file: take another.
  for (int attempt = 0; attempt < 16 && !fd; ++attempt) {
    name = TemporaryName(target);
    fd = Descriptor(open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd && errno != EEXIST) throw FileError(shownAs, kWriteFailed, errno);
  }
  if (!fd) throw FileError(shownAs, kWriteFailed, EEXIST);
  TemporaryFile temporary(name);

  if ((original.st_uid != geteuid() || original.st_gid != getegid()) &&
      fchown(fd.get(), original.st_uid, original.st_gid) != 0) {
    throw FileError(shownAs, "の所有者を保てないため書き換えられませんでした", errno);
  }
  if (fchmod(fd.get(), original.st_mode & 07777) != 0) throw FileError(shownAs, kWriteFailed, errno);

  WriteEdited(text, edits, [&](std::string_view piece) { WriteAll(fd.get(), piece, shownAs); });
  if (fsync(fd.get()) != 0) throw FileError(shownAs, kWriteFailed, errno);
  if (close(fd.release()) != 0) throw FileError(shownAs, kWriteFailed, errno);

  if (rename(temporary.path().c_str(), target.c_str()) != 0) {
    throw FileError(shownAs, kWriteFailed, errno);
  }
  temporary.MarkRenamed();

  const Descriptor folder(open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder || fsync(folder.get()) != 0) {
    throw FileError(shownAs, "は書き換えましたが、ディスクへの書き込みを確認できませんでした", errno);
  }
}

}  // namespace store::wine
