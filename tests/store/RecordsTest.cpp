#include "store/wine/Records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace store::wine {
namespace {

struct Seen {
  RecordKind kind;
  std::string lines;  // the record's bytes
  bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& seen) {
  return out << static_cast<int>(seen.kind) << ":" << ::testing::PrintToString(seen.lines);
}

std::vector<Seen> Scan(const std::string& body) {
  const std::string text = "WINE REGISTRY Version 2\n" + body;
  std::vector<Seen> seen;
  RecordScanner scanner(text);
  while (const auto record = scanner.Next()) {
    seen.push_back({record->kind, text.substr(record->first.begin, record->end - record->first.begin)});
  }
  return seen;
}

using K = RecordKind;

TEST(RecordsTest, ValuesAndOptionsNeedAKey) {
  EXPECT_EQ(Scan("#arch=win64\n\"early\"=hex:01,\\\n[A] 1\n#time=1\n\"v\"=\"x\"\n"),
            (std::vector<Seen>{{K::Other, "#arch=win64\n"},
                               // Without a key Wine does not read the value, so
                               // the section after it is not a continuation.
                               {K::Other, "\"early\"=hex:01,\\\n"},
                               {K::Section, "[A] 1\n"},
                               {K::Option, "#time=1\n"},
                               {K::Value, "\"v\"=\"x\"\n"}}));
}

TEST(RecordsTest, ABrokenSectionClosesTheKey) {
  EXPECT_EQ(Scan("[A]\n[Broken\n\"v\"=\"x\"\n#time=1\n[B]\n\"w\"=\"y\""),
            (std::vector<Seen>{{K::Section, "[A]\n"},
                               {K::BrokenSection, "[Broken\n"},
                               {K::Other, "\"v\"=\"x\"\n"},
                               {K::Other, "#time=1\n"},
                               {K::Section, "[B]\n"},
                               {K::Value, "\"w\"=\"y\""}}));
}

TEST(RecordsTest, HexContinuationSwallowsWhateverFollows) {
  EXPECT_EQ(Scan("[A]\n\"c\"=hex:01,\\\n[B]\n\"v\"=\"x\"\n\"d\"=hex(3):02,\\\n  03\n; c\n"),
            (std::vector<Seen>{{K::Section, "[A]\n"},
                               {K::Value, "\"c\"=hex:01,\\\n[B]\n"},
                               {K::Value, "\"v\"=\"x\"\n"},
                               {K::Value, "\"d\"=hex(3):02,\\\n  03\n"},
                               {K::Other, "; c\n"}}));
}

TEST(RecordsTest, LeadingBlanksAndOddLines) {
  EXPECT_EQ(Scan("  [A] 5\r\n\t\"v\"=\"x\"\r\n\r\n\"bad name=1\ngarbage\n  # opt\n"),
            (std::vector<Seen>{{K::Section, "  [A] 5\r\n"},
                               {K::Value, "\t\"v\"=\"x\"\r\n"},
                               {K::Other, "\r\n"},
                               {K::Other, "\"bad name=1\n"},
                               {K::Other, "garbage\n"},
                               {K::Option, "  # opt\n"}}));
}

TEST(RecordsTest, SectionPathsAndStampPositions) {
  const std::string text = "WINE REGISTRY Version 2\n[Software\\\\\\x540d\\\\\\\\A\\]b] 1796991799\n[x]\n";
  RecordScanner scanner(text);
  const auto first = scanner.Next();
  ASSERT_TRUE(first && first->section);
  EXPECT_EQ(first->section->path, (KeyPath{u"Software", u"\u540d", u"A]b"}));
  const std::string_view content = Content(text, first->first);
  EXPECT_EQ(content.substr(first->section->secondsBegin,
                           first->section->secondsEnd - first->section->secondsBegin),
            "1796991799");
  const auto second = scanner.Next();
  ASSERT_TRUE(second && second->section);
  EXPECT_EQ(second->section->secondsBegin, second->section->secondsEnd);
}

}  // namespace
}  // namespace store::wine
