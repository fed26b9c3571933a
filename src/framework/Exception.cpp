#include "framework/Exception.h"

namespace framework {

std::string FormatMessage(std::string_view message, std::string_view text) {
  std::string result(message);
  if (const auto at = result.find("%s"); at != std::string::npos) {
    result.replace(at, 2, text);
  }
  return result;
}

}  // namespace framework
