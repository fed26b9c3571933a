#include "store/wine/Section.h"

#include <gtest/gtest.h>

#include <string>

#include "store/wine/Utf16.h"

namespace store::wine {
namespace {

KeyPath Path(std::string_view utf8) { return SplitKeyPath(Utf8ToUtf16(utf8)); }

// What a full parse of the section line says, to check the shortcut against.
SectionPlace PlaceByParsing(std::string_view line, const KeyPath& key) {
  const auto header = ParseSectionHeader(line, 0);
  if (!header) return SectionPlace::Elsewhere;
  if (SamePath(header->path, key)) return SectionPlace::Key;
  if (IsPrefixPath(key, header->path)) return SectionPlace::BelowKey;
  return SectionPlace::Elsewhere;
}

TEST(SectionTest, PlacesASectionAsAFullParseWould) {
  using P = SectionPlace;
  const struct {
    std::string line;
    const char* key;
    SectionPlace place;
  } cases[] = {
      {R"([Software\\Netscape] 1)", "Software\\Netscape", P::Key},
      {R"([SOFTWARE\\netscape])", "Software\\Netscape", P::Key},
      {R"([Software\\Netscap])", "Software\\Netscape", P::Elsewhere},
      {R"([Software\\Netscapes])", "Software\\Netscape", P::Elsewhere},
      {R"([Software])", "Software\\Netscape", P::Elsewhere},
      {R"([Software\\Netscape\\URL History] 2)", "Software\\Netscape", P::BelowKey},
      {R"([Software\\NetscapeX\\URL History])", "Software\\Netscape", P::Elsewhere},
      {R"([\\\\Software\\\\\\\\Netscape\\\\])", "Software\\Netscape", P::Key},
      {R"([Software\\\\Netscape\\\\\\\\Sub])", "Software\\Netscape", P::BelowKey},
      {R"([Software\\Net\x0073cape])", "Software\\Netscape", P::Key},
      {R"([Software\\\x540d])", "Software\\\xe5\x90\x8d", P::Key},
      {R"([Software\\Netscape])", "Software\\Netscape\\URL History", P::Elsewhere},
      {R"([Software\\Netscape)", "Software\\Netscape", P::Elsewhere},
      {R"([Software\\Netscape\\Sub)", "Software\\Netscape", P::Elsewhere},
      {R"([Software\\Netscape\]] 1)", "Software\\Netscape]", P::Key},
      {R"([Anything] 1)", "", P::BelowKey},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line + " / " + c.key);
    const KeyPath key = Path(c.key);
    EXPECT_EQ(PlaceSection(c.line, 0, key), c.place);
    EXPECT_EQ(PlaceSection(c.line, 0, key), PlaceByParsing(c.line, key));
  }
}

}  // namespace
}  // namespace store::wine
