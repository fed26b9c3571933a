#include "store/wine/KeyReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StoreTestSupport.h"
#include "store/wine/Utf16.h"

namespace store::wine {
namespace {

using store::testing::FixturePath;
using store::testing::ReadFile;
using store::testing::Utf16Z;
using Bytes = std::vector<std::uint8_t>;

struct Expected {
  std::u16string name;
  ValueType type;
  Bytes data;
};


Expected Sz(std::u16string name, std::u16string_view text, ValueType type = kRegSz) {
  return {std::move(name), type, Utf16Z(text)};
}

Bytes Counting(std::uint8_t from, std::size_t count) {
  Bytes bytes;
  for (std::size_t i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>(from + i));
  return bytes;
}

KeyPath Path(std::string_view utf8) { return SplitKeyPath(Utf8ToUtf16(utf8)); }

void ExpectKey(const std::string& text, std::string_view key, const std::vector<Expected>& expected) {
  SCOPED_TRACE(std::string(key));
  const auto values = ReadKey(text, Path(key));
  ASSERT_TRUE(values.has_value());
  ASSERT_EQ(values->size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(Utf16ToUtf8(expected[i].name));
    EXPECT_EQ((*values)[i].name, expected[i].name);
    EXPECT_EQ((*values)[i].value.type, expected[i].type);
    EXPECT_EQ((*values)[i].value.data, expected[i].data);
  }
}

TEST(KeyReaderTest, HistoryKeyOfManyTypes) {
  const std::string text = ReadFile(FixturePath("many-types.user.reg"));
  const std::u16string longUrl = u"http://example.com/" + std::u16string(9981, u'a');
  const std::u16string noterm2 = u"http://noterm2.example/";
  Bytes noterm2Bytes = Utf16Z(noterm2);
  noterm2Bytes.resize(noterm2Bytes.size() - 2);
  ExpectKey(text, "Software\\Netscape\\Netscape Navigator\\URL History",
            {Sz(u"", u"default value data"),
             Sz(u"ABCD5", u"http://example.com/abcd5"),
             {u"Binary1", kRegBinary, {0x00, 0xff, 0x10, 0xab, 0xcd, 0xef}},
             {u"Dword1", kRegDword, {0x78, 0x56, 0x34, 0x12}},
             Sz(u"Empty1", u""),
             Sz(u"Expand1", u"%PATH%;C:\\extra", kRegExpandSz),
             Sz(u"Multi1", std::u16string(u"first\0second\0third\0", 19), kRegMultiSz),
             Sz(u"URL_", u"http://example.com/underscore-only"),
             Sz(u"URL_\"Q\"", u"http://example.com/quote-in-name"),
             Sz(u"URL_-3", u"http://example.com/minus3"),
             Sz(u"URL_007", u"http://example.com/007"),
             Sz(u"URL_07", u"http://example.com/07"),
             Sz(u"URL_1", u"http://www.example.com/page1.html"),
             Sz(u"URL_10", u"http://www.example.com/page10.html"),
             Sz(u"URL_11", u"http://www.example.com/page11.html"),
             Sz(u"URL_12", u"http://www.example.com/page12.html"),
             Sz(u"URL_2", u"http://www.example.com/page2.html"),
             Sz(u"URL_3", u"http://www.example.com/page3.html"),
             Sz(u"URL_4", u"http://www.example.com/page4.html"),
             Sz(u"URL_5", u"http://www.example.com/five"),
             Sz(u"URL_6", u"http://www.example.com/page6.html"),
             Sz(u"URL_7", u"http://www.example.com/page7.html"),
             Sz(u"URL_7 ", u"http://example.com/seven-trailing-blank"),
             Sz(u"URL_8", u"http://www.example.com/page8.html"),
             Sz(u"URL_9", u"http://www.example.com/page9.html"),
             Sz(u"URL_CTRL", u"http://ctrl.example/\tTAB\nLF\rCR"),
             Sz(u"URL_JA", u"http://\u4f8b\u3048.\u30c6\u30b9\u30c8/\u65e5\u672c\u8a9e1a?q=\u6771\u4eac"),
             Sz(u"URL_LONG", longUrl),
             Sz(u"URL_NOTERM", u"http://noterm.example/"),
             {u"URL_NOTERM2", kRegSz, noterm2Bytes},
             Sz(u"URL_NUL", std::u16string(u"http://a.example/x\0tail", 23)),
             Sz(u"URL_QB", u"http://example.com/a\"b\\c\\\\d\""),
             Sz(u"URL_x", u"http://example.com/x")});
}

TEST(KeyReaderTest, WineProbeEscapes) {
  const std::string text = ReadFile(FixturePath("many-types.user.reg"));
  ExpectKey(text, "Software\\WineProbe\\Escapes",
            {Sz(u"e01_e9_end", u"caf\u00e9"),
             Sz(u"e02_e9_digit", u"caf\u00e91x"),
             Sz(u"e03_e9_g", u"caf\u00e9g"),
             Sz(u"e04_e9_F", u"caf\u00e9F"),
             Sz(u"e05_e9_a", u"caf\u00e9a"),
             Sz(u"e06_ctl1_digit", u"a\x01" u"5b"),
             Sz(u"e07_ctl1_8", u"a\x01" u"8b"),
             Sz(u"e08_ctl1_x", u"a\x01" u"xb"),
             Sz(u"e09_cescapes", u"\a\b\t\n\v\f\r\x1b|"),
             Sz(u"e10_ctl1f", u"\x1f|\x7f|\x80|\xa0|\xff"),
             Sz(u"e11_nonbmp", u"smile\U0001F600end"),
             Sz(u"e12_nul_digit", std::u16string(u"a\0" u"1b", 4)),
             Sz(u"e13_nul_8", std::u16string(u"a\0" u"8b", 4)),
             {u"e14_qword", 0xb, {0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11}},
             {u"e15_none", kRegNone, {1, 2}},
             {u"e16_none_empty", kRegNone, {}},
             {u"e17_dword_short", kRegDword, {1, 2}},
             {u"e18_bin100", kRegBinary, Counting(0, 100)},
             {u"e19_bin40_with_a_long_name_to_shift_columns", kRegBinary, Counting(0xa0, 40)},
             {u"e20_sz_len0", kRegSz, {}},
             {u"e21_bin_empty", kRegBinary, {}},
             Sz(u"e22_expand_noterm", u"%TEMP%", kRegExpandSz),
             Sz(u"e23_multi_empty", std::u16string(1, u'\0'), kRegMultiSz),
             {u"e24_type_12345", 0x12345, {0xab, 0xcd}},
             {u"e25_sz_oddlen", kRegSz, {0x61, 0, 0x62, 0, 0x63}},
             Sz(u"e26 name\\back\"quote", u"v"),
             Sz(u"e27_\u540d\u524d", u"japanese name"),
             Sz(u"e28_brackets", u"[x]=y;#z"),
             {u"e29_dword_be", 5, {0xef, 0xbe, 0xad, 0xde}},
             {u"e30_link", 6, Counting(1, 8)},
             Sz(u"e31_dollar_pct", u"%PATH%$x'y")});
}

TEST(KeyReaderTest, WineProbeOrderAndOddKeyNames) {
  const std::string text = ReadFile(FixturePath("many-types.user.reg"));
  std::vector<Expected> order;
  for (const std::u16string name :
       {u"1", u"10", u"9", u"[", u"_", u"`", u"a", u"a b", u"a-b", u"A_", u"aa", u"Ab", u"AB2", u"b",
        u"B1", u"Z", u"z1", u"ZZ", u"{", u"~", u"\u00c4", u"\u00e4x", u"\u00e9", u"\u0101", u"\u0100z"}) {
    order.push_back(Sz(name, u"x"));
  }
  ExpectKey(text, "Software\\WineProbe\\Order", order);
  for (const char* sub : {"10", "9", "_", "a", "A_", "Ab", "b", "Z", "\u00e9", "\u00c9"}) {
    ExpectKey(text, std::string("Software\\WineProbe\\Order\\") + sub, {Sz(u"v", u"1")});
  }
  for (const char* key : {"Software\\WineProbe", "software\\wineprobe\\keys", "Software\\WineProbe\\Keys\\Empty",
                          "Software\\WineProbe\\Keys\\Empty\\Child", "Software\\WineProbe\\Keys\\Br[ack]et",
                          "Software\\WineProbe\\Keys\\Q\"uote", "Software\\WineProbe\\Keys\\Sp ace",
                          "Software\\WineProbe\\Keys\\\u540d\u524d1", "\\Software\\\\WineProbe\\", ""}) {
    EXPECT_TRUE(ReadKey(text, Path(key)).has_value()) << key;
  }
  for (const char* key : {"Software\\WineProbe\\Keys\\Empty\\Child\\None", "Software\\WineProb",
                          "Software\\WineProbe\\Keys\\Br\\[ack\\]et", "Software\\Netscape\\Netscape Navigator\\URL"}) {
    EXPECT_FALSE(ReadKey(text, Path(key)).has_value()) << key;
  }
}

TEST(KeyReaderTest, HandEditedProbeLoadAsWineEnumeratedIt) {
  const std::string text = ReadFile(FixturePath("hand-edited.user.reg"));
  ExpectKey(text, "Software\\ProbeLoad\\Dup",
            {Sz(u"URL_1", u"second"), Sz(u"url_2", u"upper"), Sz(u"URL_3", u"from second section"),
             Sz(u"URL_4", u"from lowercase section header without number")});
  ExpectKey(text, "Software\\ProbeLoad\\Esc",
            {Sz(u"a_str_prefix", u"plain via str:"),
             Sz(u"b_hex_upper", u"caf\u00e9|\u4f8b|\u4f8bab|A|\x04|\x04|AZ"),
             Sz(u"c_octal", u"AA2\b1|x"),
             {u"d_dword_upper", kRegDword, {0xef, 0xbe, 0xad, 0xde}},
             {u"e_hex1_sz", kRegSz, {0x68, 0, 0x69, 0, 0, 0}},
             {u"f_hex_cont", kRegBinary, {1, 2, 3, 4}},
             Sz(u"g_unknown_escape", u"aqb%c'd"),
             Sz(u"i_good_after_bad", u"still loaded?"),
             Sz(u"j_after_comment", u"ok"),
             Sz(u"k_after_blank", u"blank line inside section"),
             Sz(u"l_spaces", u"spaces around equals"),
             {u"m_garbage", kRegNone, {}},
             Sz(u"n_last", u"after garbage")});
  ExpectKey(text, "Software\\ProbeLoad\\CRLF", {Sz(u"crlf_two", u"second"), Sz(u"crlf_val", u"with CR")});
  ExpectKey(text, "Software\\ProbeLoad\\NoNL", {Sz(u"last_no_newline", u"x")});
}

// What Wine wrote back after loading the hand-edited file is its reading of
// it, in its own canonical spelling: both must read the same.
TEST(KeyReaderTest, HandEditedReadsLikeWhatWineSavedFromIt) {
  const std::string edited = ReadFile(FixturePath("hand-edited.user.reg"));
  const std::string saved = ReadFile(FixturePath("hand-edited.saved-by-wine.user.reg"));
  for (const char* key : {"Software\\ProbeLoad\\Dup", "Software\\ProbeLoad\\Esc", "Software\\ProbeLoad\\CRLF",
                          "Software\\ProbeLoad\\NoNL", "Software\\WineProbe\\Escapes",
                          "Software\\WineProbe\\Order", "Software\\Netscape\\Netscape Navigator\\URL History"}) {
    SCOPED_TRACE(key);
    const auto fromEdited = ReadKey(edited, Path(key));
    const auto fromSaved = ReadKey(saved, Path(key));
    ASSERT_TRUE(fromEdited && fromSaved);
    ASSERT_EQ(fromEdited->size(), fromSaved->size());
    for (std::size_t i = 0; i < fromSaved->size(); ++i) {
      EXPECT_EQ((*fromEdited)[i].name, (*fromSaved)[i].name);
      EXPECT_EQ((*fromEdited)[i].value.type, (*fromSaved)[i].value.type);
      EXPECT_EQ((*fromEdited)[i].value.data, (*fromSaved)[i].value.data);
    }
  }
}

}  // namespace
}  // namespace store::wine
