#include "store/wine/FileError.h"

#include <cerrno>
#include <cstring>

namespace store::wine {

std::string DescribeErrno(int error) {
  switch (error) {
    case EACCES:
    case EPERM: return "アクセスが拒否されました";
    case ENOENT: return "ファイルが見つかりません";
    case ENOSPC: return "ディスクの空き容量が足りません";
    case EDQUOT: return "ディスクの使用量の上限を超えました";
    case EFBIG: return "ファイルサイズの上限を超えました";
    case EROFS: return "読み取り専用のファイルシステムです";
    case EIO: return "入出力エラーが発生しました";
    case EISDIR: return "フォルダーです";
    case ELOOP: return "シンボリックリンクが多すぎます";
    case ENOMEM: return "メモリが足りません";
    default: return "エラー " + std::to_string(error) + " (" + std::strerror(error) + ")";
  }
}

StoreError FileError(const std::filesystem::path& file, std::string_view what, int error) {
  std::string message = "'";
  message.append(file.string()).append("' ").append(what).append(": ").append(DescribeErrno(error));
  return StoreError(message);
}

StoreError FileError(const std::filesystem::path& file, std::string_view what) {
  std::string message = "'";
  message.append(file.string()).append("' ").append(what);
  return StoreError(message);
}

}  // namespace store::wine
