#include "store/wine/Rewrite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "StoreTestSupport.h"
#include "store/wine/NameCompare.h"
#include "store/wine/Utf16.h"

namespace store::wine {
namespace {

using store::testing::FixturePath;
using store::testing::ReadFile;

const Stamp kStamp = StampAt({1800000000, 123456700});

std::string Edited(std::string_view text, const std::vector<Edit>& edits) {
  std::string out;
  WriteEdited(text, edits, [&](std::string_view piece) { out += piece; });
  return out;
}

std::string Deleted(const std::string& text, std::string_view key, const std::vector<std::u16string>& names) {
  return Edited(text, PlanDeletion(text, SplitKeyPath(Utf8ToUtf16(key)), names, kStamp));
}

// The history key of many-types.user.reg: "[...] 1796991799" and
// "#time=1dd896a68465c86", written by Wine for the same instant.
TEST(StampTest, AsWineWritesIt) {
  const Stamp stamp = StampAt({1796991799, 996327000});
  EXPECT_EQ(stamp.seconds, "1796991799");
  EXPECT_EQ(stamp.fileTime, "1dd896a68465c86");
}

// The expected file is built from the fixture's lines by hand: the deleted
// values' lines go (a continuation starts with two blanks), the key's stamp
// lines change, every other line stays as it is.
std::string ExpectedFromLines(const std::string& text, const std::string& header,
                              const std::vector<std::string>& writtenNames) {
  std::istringstream in(text);
  std::string out;
  std::string line;
  bool inKey = false;
  bool dropping = false;
  while (std::getline(in, line)) {
    const bool hasNewline = !in.eof();
    if (line.starts_with("[")) inKey = line.starts_with(header);
    if (inKey && line.starts_with(header)) {
      line = header + " " + kStamp.seconds;
    } else if (inKey && line.starts_with("#time=")) {
      line = "#time=" + kStamp.fileTime;
    }
    if (dropping && line.starts_with("  ")) continue;
    dropping = false;
    for (const auto& name : writtenNames) dropping = dropping || (inKey && line.starts_with(name + "="));
    if (dropping) continue;
    out += line;
    if (hasNewline) out += '\n';
  }
  return out;
}

TEST(RewriteTest, DeletesHistoryValuesOfManyTypesByteExactly) {
  const std::string text = ReadFile(FixturePath("many-types.user.reg"));
  const std::string out = Deleted(text, "Software\\Netscape\\Netscape Navigator\\URL History",
                                  {u"URL_1", u"url_10", u"URL_NOTERM2", u"", u"URL_\"q\"", u"URL_LONG", u"URL_x"});
  EXPECT_EQ(out, ExpectedFromLines(text, "[Software\\\\Netscape\\\\Netscape Navigator\\\\URL History]",
                                   {"\"URL_1\"", "\"URL_10\"", "\"URL_NOTERM2\"", "@", "\"URL_\\\"Q\\\"\"",
                                    "\"URL_LONG\"", "\"URL_x\""}));
}

TEST(RewriteTest, DeletesEscapedAndContinuedValuesByteExactly) {
  const std::string text = ReadFile(FixturePath("many-types.user.reg"));
  const std::string out = Deleted(text, "software\\wineprobe\\ESCAPES",
                                  {u"e18_bin100", u"e26 name\\back\"quote", u"e27_\u540d\u524d", u"e16_NONE_empty"});
  EXPECT_EQ(out, ExpectedFromLines(text, "[Software\\\\WineProbe\\\\Escapes]",
                                   {"\"e18_bin100\"", "\"e26 name\\\\back\\\"quote\"", "\"e27_\\x540d\\x524d\"",
                                    "\"e16_none_empty\""}));
}

TEST(RewriteTest, HandEditedSectionsKeepTheirOwnSpelling) {
  const std::string text = ReadFile(FixturePath("hand-edited.user.reg"));
  // Both sections and every duplicate of a name go; the lowercase section
  // without a number keeps having none.
  const std::string dup =
      "[Software\\\\ProbeLoad\\\\Dup] 1796990000\n#time=1dd896a510fcfe8\n\"URL_1\"=\"first\"\n"
      "\"URL_1\"=\"second\"\n\"url_2\"=\"lower\"\n\"URL_2\"=\"upper\"\n\n[Software\\\\ProbeLoad\\\\Dup] "
      "1796990001\n\"URL_3\"=\"from second section\"\n\n[software\\\\probeload\\\\DUP]\n\"URL_4\"=\"from "
      "lowercase section header without number\"\n";
  const std::string dupAfter = "[Software\\\\ProbeLoad\\\\Dup] " + kStamp.seconds + "\n#time=" + kStamp.fileTime +
                               "\n\"url_2\"=\"lower\"\n\"URL_2\"=\"upper\"\n\n[Software\\\\ProbeLoad\\\\Dup] " +
                               kStamp.seconds +
                               "\n\"URL_3\"=\"from second section\"\n\n[software\\\\probeload\\\\DUP]\n";
  ASSERT_NE(text.find(dup), std::string::npos);
  std::string expected = text;
  expected.replace(text.find(dup), dup.size(), dupAfter);
  EXPECT_EQ(Deleted(text, "Software\\ProbeLoad\\Dup", {u"url_1", u"URL_4"}), expected);

  const std::string crlf = "[Software\\\\ProbeLoad\\\\CRLF] 1796990000\r\n\"crlf_val\"=\"with CR\"\r\n";
  expected = text;
  expected.replace(text.find(crlf), crlf.size(), "[Software\\\\ProbeLoad\\\\CRLF] " + kStamp.seconds + "\r\n");
  EXPECT_EQ(Deleted(text, "Software\\ProbeLoad\\CRLF", {u"crlf_val"}), expected);

  // The last line has no newline, and the file then ends after the section.
  const std::string last = "[Software\\\\ProbeLoad\\\\NoNL] 1796990000\n\"last_no_newline\"=\"x\"";
  ASSERT_TRUE(text.ends_with(last));
  expected = text.substr(0, text.size() - last.size()) + "[Software\\\\ProbeLoad\\\\NoNL] " + kStamp.seconds + "\n";
  EXPECT_EQ(Deleted(text, "Software\\ProbeLoad\\NoNL", {u"last_no_newline"}), expected);

  // A malformed value is still a value; a line Wine skips is not.
  const std::string garbage = "\"m_garbage\"=zork:12\n";
  expected = text;
  expected.erase(text.find(garbage), garbage.size());
  const std::string esc = "[Software\\\\ProbeLoad\\\\Esc] 1796990000";
  expected.replace(expected.find(esc), esc.size(), "[Software\\\\ProbeLoad\\\\Esc] " + kStamp.seconds);
  EXPECT_EQ(Deleted(text, "Software\\ProbeLoad\\Esc", {u"m_garbage", u"h_unterminated"}), expected);
}

TEST(RewriteTest, NothingToDeleteIsNoEdit) {
  const std::string text = ReadFile(FixturePath("many-types.user.reg"));
  const KeyPath history = SplitKeyPath(u"Software\\Netscape\\Netscape Navigator\\URL History");
  EXPECT_TRUE(PlanDeletion(text, history, {u"URL_999", u"URL_1 "}, kStamp).empty());
  EXPECT_TRUE(PlanDeletion(text, SplitKeyPath(u"Software\\Netscape"), {u"URL_1"}, kStamp).empty());
  EXPECT_TRUE(PlanDeletion(text, history, {}, kStamp).empty());
}

// Generated files: each piece of text knows which value (if any) it belongs
// to, so the expected result is the pieces of the other values.
struct Piece {
  std::string text;
  int key = -1;  // the key of the section it is in
  std::optional<std::u16string> value;
  bool seconds = false;   // a section's number
  bool fileTime = false;  // a #time= hex
};

Piece Text(std::string text, int key = -1) { return {std::move(text), key, std::nullopt, false, false}; }
Piece Named(std::string text, int key, std::u16string name) {
  return {std::move(text), key, std::move(name), false, false};
}
Piece Seconds(std::string text, int key) { return {std::move(text), key, std::nullopt, true, false}; }
Piece FileTime(std::string text, int key) { return {std::move(text), key, std::nullopt, false, true}; }

const char* const kKeys[] = {"Software\\\\A", "software\\\\a", "Software\\\\A\\\\Sub", "Software\\\\B", "SOFTWARE\\\\A"};
// The key each spelling above names.
const int kSameKey[] = {0, 0, 2, 3, 0};

struct NameForm {
  const char* written;
  const char16_t* name;
};
const NameForm kNames[] = {{"\"URL_1\"", u"URL_1"}, {"\"url_1\"", u"url_1"},       {"\"URL_2\"", u"URL_2"},
                           {"@", u""},              {"\"q\\\"x\"", u"q\"x"},       {"\"\\x540d\"", u"\u540d"},
                           {"\"a b\"", u"a b"},     {"\"C:\\\\d\"", u"C:\\d"}};

std::vector<Piece> Generate(std::mt19937& random) {
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  std::vector<Piece> pieces{Text("WINE REGISTRY Version 2\n"), Text(";; relative\n\n#arch=win64\n")};
  const std::size_t sections = 1 + pick(6);
  for (std::size_t s = 0; s < sections; ++s) {
    const int spelling = static_cast<int>(pick(std::size(kKeys)));
    const int key = kSameKey[spelling];
    const std::string eol = pick(4) == 0 ? "\r\n" : "\n";
    pieces.push_back(Text(std::string(pick(3) == 0 ? "  [" : "[") + kKeys[spelling] + "] ", key));
    pieces.push_back(Seconds(std::to_string(1700000000 + pick(1000)), key));
    pieces.push_back(Text(eol, key));
    if (pick(2)) {
      pieces.push_back(Text("#time=", key));
      pieces.push_back(FileTime("1dd896a" + std::to_string(pick(100000)), key));
      pieces.push_back(Text(eol, key));
    }
    const std::size_t lines = pick(8);
    for (std::size_t l = 0; l < lines; ++l) {
      const NameForm& name = kNames[pick(std::size(kNames))];
      const std::string head = std::string(pick(5) == 0 ? "\t" : "") + name.written + (pick(4) == 0 ? " = " : "=");
      switch (pick(8)) {
        case 0: pieces.push_back(Named(head + "\"C:\\\\path\\\\\"" + eol, key, name.name)); break;
        case 1: pieces.push_back(Named(head + "hex:01,02,\\" + eol + "  03,04,\\" + eol + "  05" + eol, key, name.name)); break;
        case 2: pieces.push_back(Named(head + "dword:0000abcd" + eol, key, name.name)); break;
        case 3: pieces.push_back(Named(head + "zork:1" + eol, key, name.name)); break;
        case 4: pieces.push_back(Named(head + "hex(2):41,00,\\" + eol + "[Software\\\\A] 1" + eol, key, name.name)); break;
        case 5: pieces.push_back(Text(pick(2) ? "; comment" + eol : eol, key)); break;
        case 6: pieces.push_back(Text("\"unterminated name" + eol, key)); break;
        default: pieces.push_back(Named(head + "str:\"x\\\"y\"" + eol, key, name.name)); break;
      }
    }
    if (pick(3) == 0) pieces.push_back(Text("[broken section" + eol + "\"URL_1\"=\"orphan\"" + eol));
  }
  // Sometimes the last line has no newline.
  if (pick(3) == 0) pieces.push_back(Text("[Software\\\\B]\n\"URL_1\"=\"last\"", 3));
  return pieces;
}

TEST(RewriteTest, GeneratedFilesLoseExactlyTheDeletedLines) {
  for (unsigned seed = 1; seed <= 400; ++seed) {
    std::mt19937 random(seed);
    const std::vector<Piece> pieces = Generate(random);
    std::vector<std::u16string> names;
    for (const NameForm& name : kNames) {
      if (random() % 3 == 0) names.emplace_back(name.name);
    }
    std::string text;
    std::string expected;
    bool anyDeleted = false;
    for (const Piece& piece : pieces) {
      text += piece.text;
      const bool target = piece.key == 0;
      if (target && piece.value &&
          std::any_of(names.begin(), names.end(), [&](const auto& n) { return SameName(n, *piece.value); })) {
        anyDeleted = true;
      } else if (target && piece.seconds) {
        expected += '\x01';
      } else if (target && piece.fileTime) {
        expected += '\x02';
      } else {
        expected += piece.text;
      }
    }
    std::string stamped;
    for (const char c : expected) {
      stamped += c == '\x01' ? kStamp.seconds : c == '\x02' ? kStamp.fileTime : std::string(1, c);
    }
    const auto edits = PlanDeletion(text, {u"Software", u"A"}, names, kStamp);
    SCOPED_TRACE("seed " + std::to_string(seed) + "\n" + text);
    EXPECT_EQ(edits.empty(), !anyDeleted);
    EXPECT_EQ(Edited(text, edits), anyDeleted ? stamped : text);
  }
}

}  // namespace
}  // namespace store::wine
