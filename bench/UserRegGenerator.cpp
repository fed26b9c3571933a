#include "UserRegGenerator.h"

#include <cstdio>
#include <random>

namespace bench {
namespace {

constexpr const char* kHistorySection = "[Software\\\\Netscape\\\\Netscape Navigator\\\\URL History] 1796991799\n";

void AppendHex(std::string& out, std::mt19937& random, const std::string& prefix, std::size_t count) {
  // Wine wraps hex data at about 80 columns, continuing with "\" and two blanks.
  std::size_t column = prefix.size();
  out += prefix;
  for (std::size_t i = 0; i < count; ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned>(random() & 0xFF));
    out += byte;
    column += 2;
    if (i + 1 < count) {
      out += ',';
      ++column;
      if (column > 76) {
        out += "\\\n  ";
        column = 2;
      }
    }
  }
  out += '\n';
}

void AppendKey(std::string& out, std::mt19937& random, std::size_t index) {
  char header[160];
  std::snprintf(header, sizeof header,
                "[Software\\\\Vendor%zu\\\\Product %zu\\\\Settings] 1796990779\n#time=1dd8968083a430e\n",
                index / 64, index);
  out += header;
  const std::size_t values = 4 + random() % 12;
  for (std::size_t v = 0; v < values; ++v) {
    char name[48];
    std::snprintf(name, sizeof name, "\"Value%02zu\"=", v);
    switch (random() % 6) {
      case 0:
        out += name;
        out += "\"C:\\\\Program Files\\\\Vendor\\\\caf\\xe9 \\x65e5\\x672c\\\"quoted\\\"\"\n";
        break;
      case 1:
        out += name;
        out += "dword:0000abcd\n";
        break;
      case 2:
        AppendHex(out, random, name + std::string("hex:"), 8 + random() % 120);
        break;
      case 3:
        out += name;
        out += "str(2):\"%SystemRoot%\\\\system32;%PATH%\"\n";
        break;
      case 4:
        AppendHex(out, random, name + std::string("hex(7):"), 20 + random() % 40);
        break;
      default:
        out += name;
        out += "\"The quick brown fox jumps over the lazy dog; 0123456789\"\n";
        break;
    }
  }
  out += '\n';
}

void AppendHistory(std::string& out, std::size_t entries) {
  out += kHistorySection;
  out += "#time=1dd896a68465c86\n";
  for (std::size_t i = 1; i <= entries; ++i) {
    char line[128];
    std::snprintf(line, sizeof line, "\"URL_%zu\"=\"http://www.example.com/page%zu.html\"\n", i, i);
    out += line;
  }
  out += '\n';
}

}  // namespace

std::string GenerateUserReg(std::size_t bytes, std::size_t historyEntries) {
  std::mt19937 random(1997);
  std::string out =
      "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win64\n\n";
  out.reserve(bytes + 4096);
  bool historyWritten = false;
  for (std::size_t index = 0; out.size() < bytes || !historyWritten; ++index) {
    if (!historyWritten && out.size() >= bytes / 2) {
      AppendHistory(out, historyEntries);
      historyWritten = true;
    }
    AppendKey(out, random, index);
  }
  return out;
}

}  // namespace bench
