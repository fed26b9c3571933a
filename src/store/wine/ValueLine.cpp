#include "store/wine/ValueLine.h"

#include "store/wine/Escapes.h"
#include "store/wine/HexNumber.h"

namespace store::wine {
namespace {

std::size_t SkipTabsAndSpaces(std::string_view content, std::size_t pos) {
  while (pos < content.size() && (content[pos] == ' ' || content[pos] == '\t')) ++pos;
  return pos;
}

struct Tag {
  std::string_view text;
  DataForm form;
  ValueType type;
};

// Wine's loader tries these in this order, case-sensitively.
constexpr Tag kTags[] = {
    {"\"", DataForm::String, kRegSz},          {"str:\"", DataForm::String, kRegSz},
    {"str(2):\"", DataForm::String, kRegExpandSz}, {"str(7):\"", DataForm::String, kRegMultiSz},
    {"hex:", DataForm::Hex, kRegBinary},       {"dword:", DataForm::Dword, kRegDword},
};

void ParseDataTag(std::string_view content, ValueHead& head) {
  const std::string_view rest = content.substr(head.dataStart);
  for (const Tag& tag : kTags) {
    if (!rest.starts_with(tag.text)) continue;
    head.form = tag.form;
    head.type = tag.type;
    head.dataStart += tag.text.size();
    return;
  }
  if (rest.starts_with("hex(")) {
    const HexNumber number = ParseHexNumber(content, head.dataStart + 4);
    if (content.substr(number.end).starts_with("):")) {
      head.form = DataForm::Hex;
      head.type = static_cast<ValueType>(number.value);
      head.dataStart = number.end + 2;
      return;
    }
  }
  head.form = DataForm::Malformed;
  head.type = kRegNone;
}

struct HexWalk {
  bool ok = false;
  std::size_t end = 0;  // start of the line after the last one read
};

HexWalk WalkHex(std::string_view text, const Line& first, std::size_t dataStart,
                std::vector<std::uint8_t>* bytes) {
  Line line = first;
  std::string_view content = Content(text, line);
  std::size_t pos = dataStart;
  for (;;) {
    while (pos < content.size() && IsHexDigit(content[pos])) {
      const HexNumber number = ParseHexNumber(content, pos);
      // Wine keeps the number in an unsigned int before checking its range.
      const auto value = static_cast<std::uint32_t>(number.value);
      if (number.end == pos || value > 0xFF) return {false, line.next};
      if (bytes) bytes->push_back(static_cast<std::uint8_t>(value));
      pos = SkipBlanks(content, number.end);
      if (pos < content.size() && content[pos] == ',') ++pos;
      pos = SkipBlanks(content, pos);
    }
    pos = SkipBlanks(content, pos);
    if (pos == content.size()) return {true, line.next};
    if (content[pos] != '\\' || line.next >= text.size()) return {false, line.next};
    line = LineAt(text, line.next);
    content = Content(text, line);
    pos = SkipBlanks(content, 0);
  }
}

void AppendUtf16Le(std::vector<std::uint8_t>& bytes, std::u16string_view text) {
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
}

}  // namespace

std::optional<ValueHead> ParseValueHead(std::string_view content, std::size_t start) {
  ValueHead head;
  head.nameStart = start;
  std::size_t pos = start;
  if (pos < content.size() && content[pos] == '@') {
    ++pos;
  } else if (pos < content.size() && content[pos] == '"') {
    const auto end = SkipString(content, pos + 1, '"');
    if (!end) return std::nullopt;
    pos = *end;
  } else {
    return std::nullopt;
  }
  pos = SkipTabsAndSpaces(content, pos);
  if (pos >= content.size() || content[pos] != '=') return std::nullopt;
  head.dataStart = SkipTabsAndSpaces(content, pos + 1);
  ParseDataTag(content, head);
  return head;
}

std::u16string DecodeValueName(std::string_view content, const ValueHead& head) {
  if (content[head.nameStart] == '@') return {};
  return DecodeString(content, head.nameStart + 1, '"')->text;
}

std::size_t ValueEnd(std::string_view text, const Line& first, const ValueHead& head) {
  if (head.form != DataForm::Hex) return first.next;
  // Without a backslash on the line there is no continuation to look for.
  if (Content(text, first).find('\\', head.dataStart) == std::string_view::npos) return first.next;
  return WalkHex(text, first, head.dataStart, nullptr).end;
}

Value DecodeValueData(std::string_view text, const Line& first, const ValueHead& head) {
  const std::string_view content = Content(text, first);
  Value value;
  switch (head.form) {
    case DataForm::String: {
      const auto decoded = DecodeString(content, head.dataStart, '"');
      if (!decoded) return {};
      value.type = head.type;
      AppendUtf16Le(value.data, decoded->text);
      AppendUtf16Le(value.data, std::u16string_view(u"\0", 1));
      return value;
    }
    case DataForm::Dword: {
      const auto dword = static_cast<std::uint32_t>(ParseHexNumber(content, head.dataStart).value);
      value.type = kRegDword;
      for (int shift = 0; shift < 32; shift += 8) {
        value.data.push_back(static_cast<std::uint8_t>((dword >> shift) & 0xFF));
      }
      return value;
    }
    case DataForm::Hex:
      if (!WalkHex(text, first, head.dataStart, &value.data).ok) return {};
      value.type = head.type;
      return value;
    case DataForm::Malformed:
      break;
  }
  return {};
}

}  // namespace store::wine
