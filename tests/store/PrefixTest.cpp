#include "store/wine/Prefix.h"

#include <gtest/gtest.h>

#include "StoreTestSupport.h"

namespace store::wine {
namespace {

using store::testing::ScopedEnv;

TEST(PrefixTest, WinePrefixElseHomeWine) {
  struct Case {
    const char* prefix;
    const char* expected;
  };
  const ScopedEnv home("HOME", "/home/user");
  for (const Case c : {Case{"/games/prefix", "/games/prefix/user.reg"}, Case{"/games/prefix/", "/games/prefix/user.reg"},
                       Case{"", "/home/user/.wine/user.reg"}, Case{nullptr, "/home/user/.wine/user.reg"}}) {
    const ScopedEnv prefix("WINEPREFIX", c.prefix);
    EXPECT_EQ(CurrentUserRegistryPath().lexically_normal(), std::filesystem::path(c.expected))
        << (c.prefix ? c.prefix : "(unset)");
  }
}

}  // namespace
}  // namespace store::wine
