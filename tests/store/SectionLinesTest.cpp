#include "store/wine/SectionLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StoreTestSupport.h"
#include "store/wine/Records.h"

namespace store::wine {
namespace {

using store::testing::FixturePath;
using store::testing::ReadFile;

std::vector<std::size_t> FoundBySkipping(std::string_view text) {
  std::vector<std::size_t> begins;
  SectionLines sections(text);
  while (const auto line = sections.Next()) begins.push_back(line->begin);
  return begins;
}

std::vector<std::size_t> FoundByReadingEveryRecord(std::string_view text) {
  std::vector<std::size_t> begins;
  RecordScanner scanner(text);
  while (const auto record = scanner.Next()) {
    if (record->kind == RecordKind::Section || record->kind == RecordKind::BrokenSection) {
      begins.push_back(record->first.begin);
    }
  }
  return begins;
}

TEST(SectionLinesTest, FindsWhatReadingEveryRecordFinds) {
  const struct {
    const char* what;
    std::string body;
    std::size_t sections;
  } cases[] = {
      {"blanks before the bracket", "  [A] 1\n\t[B]\n", 2},
      {"bracket not first on its line", "[A]\n\"v\"=\"[x]\"\n \"w\"=\"y\" [C]\n", 1},
      {"many brackets on one line", "[A]\n\"v\"=\"[x][[y]\" [z]\n[B] [C]\n", 2},
      {"carriage returns", "[A] 1\r\n\"v\"=\"x\"\r\n[B] 2\r\n", 2},
      {"hex continued into a bracket line", "[A]\n\"c\"=hex:01,\\\n[B]\n[C]\n", 2},
      {"continued over several lines", "[A]\n\"c\"=hex:01,\\\n  02,\\\n[B]\n  [C]\n", 2},
      {"backslash in a string, not continued", "[A]\n\"p\"=\"C:\\\\x\\\\\"\n[B]\n", 2},
      {"backslash in the section line itself", "[A\\\\B]\n[C]\n", 2},
      {"continuation before any key is not read", "\"early\"=hex:01,\\\n[A]\n", 1},
      {"broken section closes the key", "[A]\n[Broken\n\"c\"=hex:01,\\\n[B]\n", 3},
      {"continued after a broken section", "[Broken\n[A]\n\"c\"=hex:01,\\\n[B]\n", 2},
      {"comment ending in a backslash", "[A]\n; note \\\n[B]\n", 2},
      {"no newline at the end", "[A]\n\"c\"=hex:01,\\\n[B]", 1},
      {"nothing after the header", "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string text = "WINE REGISTRY Version 2\n" + c.body;
    EXPECT_EQ(FoundBySkipping(text), FoundByReadingEveryRecord(text));
    EXPECT_EQ(FoundBySkipping(text).size(), c.sections);
  }
}

TEST(SectionLinesTest, FindsWhatReadingEveryRecordFindsInWineFiles) {
  for (const char* name : {"fresh-prefix.user.reg", "many-types.user.reg", "hand-edited.user.reg",
                           "hand-edited.saved-by-wine.user.reg"}) {
    SCOPED_TRACE(name);
    const std::string text = ReadFile(FixturePath(name));
    EXPECT_EQ(FoundBySkipping(text), FoundByReadingEveryRecord(text));
  }
}

}  // namespace
}  // namespace store::wine
