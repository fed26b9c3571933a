// Writes a generated user.reg: generate_user_reg BYTES HISTORY-ENTRIES FILE
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "UserRegGenerator.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s BYTES HISTORY-ENTRIES FILE\n", argv[0]);
    return 2;
  }
  const std::string content = bench::GenerateUserReg(std::strtoull(argv[1], nullptr, 10), std::strtoull(argv[2], nullptr, 10));
  std::ofstream(argv[3], std::ios::binary | std::ios::trunc) << content;
  return 0;
}
