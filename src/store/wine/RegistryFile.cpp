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

void ReadRegistryFile(const std::filesystem::path& file, const std::filesystem::path& shownAs,
                      std::string& text) {
  const Descriptor fd(open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw FileError(shownAs, "を読み込めません", errno);
  struct stat info {};
  if (fstat(fd.get(), &info) != 0) throw FileError(shownAs, "を読み込めません", errno);
  if (!S_ISREG(info.st_mode)) throw FileError(shownAs, "は通常のファイルではありません");
  // Read straight into the text, sized for the file plus a byte that shows
  // whether it has grown since.
  text.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == text.size()) text.resize(text.size() * 2);
    const ssize_t got = read(fd.get(), text.data() + filled, text.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw FileError(shownAs, "を読み込めません", errno);
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  text.resize(filled);
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
}

}  // namespace store::wine
