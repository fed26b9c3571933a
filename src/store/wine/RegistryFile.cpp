#include "store/wine/RegistryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "store/wine/Descriptor.h"
#include "store/wine/FileError.h"
#include "store/wine/Lines.h"

namespace store::wine {
bool HasRegistryHeader(std::string_view text) {
  if (text.empty()) return false;
  return Content(text, LineAt(text, 0)) == "WINE REGISTRY Version 2";
}

std::string ReadRegistryFile(const std::filesystem::path& file, const std::filesystem::path& shownAs) {
  const Descriptor fd(open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw FileError(shownAs, "を読み込めません", errno);
  struct stat info {};
  if (fstat(fd.get(), &info) != 0) throw FileError(shownAs, "を読み込めません", errno);
  if (!S_ISREG(info.st_mode)) throw FileError(shownAs, "は通常のファイルではありません");
  std::string text;
  text.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = read(fd.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw FileError(shownAs, "を読み込めません", errno);
    if (got == 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  if (!HasRegistryHeader(text)) {
    throw FileError(shownAs,
                    "は Wine のレジストリファイルではありません (1 行目が \"WINE REGISTRY "
                    "Version 2\" ではありません)");
  }
  // Wine's line reader silently drops what follows a NUL byte, so such a
  // file cannot be edited line by line without changing what Wine reads.
  if (text.find('\0') != std::string::npos) {
    throw FileError(shownAs, "は壊れています (NUL 文字を含んでいます)");
  }
  return text;
}

}  // namespace store::wine
