#pragma once

#include "framework/Registry.h"

namespace history {

// Closes the registry's open key when a handler leaves, also by an error, so
// that the next handler opens from the root again. On the way out through
// an error a failing close is dropped: the error under way is the one the
// user is shown. Close() is the normal way out, and its failure is reported.
class KeyGuard {
 public:
  explicit KeyGuard(framework::Registry& registry) : registry_(registry) {}
  KeyGuard(const KeyGuard&) = delete;
  KeyGuard& operator=(const KeyGuard&) = delete;

  ~KeyGuard() {
    if (closed_) return;
    try {
      registry_.CloseKey();
    } catch (...) {
    }
  }

  void Close() {
    closed_ = true;
    registry_.CloseKey();
  }

 private:
  framework::Registry& registry_;
  bool closed_ = false;
};

}  // namespace history
