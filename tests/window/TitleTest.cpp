#include <gtest/gtest.h>

#include "application/Application.h"

namespace {

struct TitleCase {
  const char* path;
  const char* title;
};

TEST(Title, IsTheFileNameUpToItsFirstFullStopWithAllButTheFirstLetterSmall) {
  const TitleCase cases[] = {
      {"/usr/local/bin/TAVRINE", "Tavrine"},
      {"C:/TOOLS/TAVRINE.EXE", "Tavrine"},
      {"/opt/tavrine.old.bin", "tavrine"},
      {"/opt/MY.TOOL.EXE", "My"},
      {"/home/u/bin/aBC", "abc"},
      {"X", "X"},
  };
  for (const TitleCase& c : cases) {
    EXPECT_EQ(TApplication::TitleFor(QString::fromUtf8(c.path)), QString::fromUtf8(c.title)) << c.path;
  }
}

}  // namespace
