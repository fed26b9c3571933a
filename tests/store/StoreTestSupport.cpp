#include "StoreTestSupport.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "store/wine/Utf16.h"

namespace store::testing {

std::filesystem::path FixturePath(std::string_view name) {
  return std::filesystem::path(TAVRINE_FIXTURES) / name;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

const std::string_view kSmallUserReg =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win64\n"
    "\n"
    "[Software\\\\Netscape\\\\Netscape Navigator\\\\URL History] 1796991799\n"
    "#time=1dd896a68465c86\n"
    "\"Bin\"=hex:01,02,\\\n"
    "  03\n"
    "\"URL_1\"=\"http://one.example/\"\n"
    "\"URL_2\"=\"http://two.example/\"\n"
    "\"URL_3\"=hex(1):68,00,69,00\n"
    "\n"
    "[Software\\\\Other] 1796990000\n"
    "#time=1dd896a68465c86\n"
    "\"URL_1\"=\"other key\"\n";

std::string MaskStamps(std::string text, std::string_view header) {
  const std::size_t at = text.find(header);
  if (at == std::string::npos) return text;
  std::size_t digits = at + header.size() + 1;
  std::size_t end = digits;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  text.replace(digits, end - digits, "<seconds>");
  const std::size_t time = text.find("\n#time=", digits);
  if (time != std::string::npos && time == text.find('\n', digits)) {
    digits = time + 7;
    end = text.find('\n', digits);
    text.replace(digits, end - digits, "<filetime>");
  }
  return text;
}

std::u16string U16(std::string_view utf8) { return wine::Utf8ToUtf16(utf8); }

std::vector<std::uint8_t> Utf16Z(std::u16string_view text) {
  std::vector<std::uint8_t> bytes;
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  value ? setenv(name, value, 1) : unsetenv(name);
}

ScopedEnv::~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tavrine-store-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  // An unprivileged child must be able to reach what the test puts here.
  std::filesystem::permissions(path_, std::filesystem::perms(0755));
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Folders a test made read-only would keep their contents.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
    if (entry.is_directory(ignored)) std::filesystem::permissions(entry.path(), std::filesystem::perms::all, ignored);
  }
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

uid_t UnprivilegedUid() { return geteuid() == 0 ? getpwnam("nobody")->pw_uid : geteuid(); }
gid_t UnprivilegedGid() { return geteuid() == 0 ? getpwnam("nobody")->pw_gid : getegid(); }

int RunUnprivileged(const std::function<int()>& body) {
  const uid_t uid = UnprivilegedUid();
  const gid_t gid = UnprivilegedGid();
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)) {
      _exit(120);
    }
    int status = 121;
    try {
      status = body();
    } catch (...) {
      status = 122;
    }
    _exit(status);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace store::testing
