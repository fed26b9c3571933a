#include "store/wine/Escapes.h"

#include "store/wine/Lines.h"

namespace store::wine {
namespace {

// Past the end of the line reads as the NUL that ends Wine's line buffer.
char At(std::string_view line, std::size_t pos) { return pos < line.size() ? line[pos] : '\0'; }

unsigned HexValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  return static_cast<unsigned>(c - 'A' + 10);
}

// Trailing bytes of a UTF-8 sequence by lead byte, 0x80 to 0xFF; 0 marks a
// byte Wine drops.
int TrailingBytes(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 1;
  if (lead >= 0xE0 && lead <= 0xEF) return 2;
  if (lead >= 0xF0 && lead <= 0xF4) return 3;
  return 0;
}

char16_t Escaped(char c) {
  switch (c) {
    case 'a': return u'\a';
    case 'b': return u'\b';
    case 'e': return 0x1B;
    case 'f': return u'\f';
    case 'n': return u'\n';
    case 'r': return u'\r';
    case 't': return u'\t';
    case 'v': return u'\v';
    default: return 0;
  }
}

// One walk for both decoding and skipping, so that the two can never
// disagree on where a string ends.
std::optional<std::size_t> Walk(std::string_view line, std::size_t pos, char delimiter,
                                UnitSink* sink) {
  bool stopped = false;
  auto emit = [sink, &stopped](char32_t unit) {
    if (sink && !stopped && !sink->Put(static_cast<char16_t>(unit))) stopped = true;
  };
  while (!stopped && At(line, pos) != '\0' && At(line, pos) != delimiter) {
    if (At(line, pos) == '\\') {
      ++pos;
      const char c = At(line, pos);
      if (c == '\0') break;
      if (const char16_t control = Escaped(c)) {
        emit(control);
        ++pos;
        continue;
      }
      if (c == 'x') {
        ++pos;
        if (!IsHexDigit(At(line, pos))) {
          emit(u'x');
          continue;
        }
        unsigned unit = 0;
        for (int digits = 0; digits < 4 && IsHexDigit(At(line, pos)); ++digits) {
          unit = unit * 16 + HexValue(line[pos++]);
        }
        emit(unit);
        continue;
      }
      if (c >= '0' && c <= '7') {
        unsigned unit = 0;
        for (int digits = 0; digits < 3 && At(line, pos) >= '0' && At(line, pos) <= '7'; ++digits) {
          unit = unit * 8 + static_cast<unsigned>(line[pos++] - '0');
        }
        emit(unit);
        continue;
      }
      // Any other escaped character stands for itself.
    }
    const auto lead = static_cast<unsigned char>(line[pos++]);
    if (lead < 0x80) {
      emit(lead);
      continue;
    }
    const int trailing = TrailingBytes(lead);
    if (trailing == 0) continue;
    char32_t cp = lead & (trailing == 1 ? 0x1Fu : trailing == 2 ? 0x0Fu : 0x07u);
    bool valid = true;
    for (int i = 0; i < trailing; ++i) {
      const auto byte = static_cast<unsigned char>(At(line, pos));
      if ((byte ^ 0x80) >= 0x40) {
        valid = false;
        break;
      }
      cp = (cp << 6) | (byte ^ 0x80u);
      ++pos;
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (!valid || cp < kMinimum[trailing] || cp > 0x10FFFF) continue;
    if (cp <= 0xFFFF) {
      emit(cp);
    } else {
      emit(0xD800 | ((cp - 0x10000) >> 10));
      emit(0xDC00 | ((cp - 0x10000) & 0x3FF));
    }
  }
  if (stopped || At(line, pos) == '\0') return std::nullopt;
  return pos + 1;
}

class Appender final : public UnitSink {
 public:
  explicit Appender(std::u16string& out) : out_(out) {}
  bool Put(char16_t unit) override {
    out_ += unit;
    return true;
  }

 private:
  std::u16string& out_;
};

}  // namespace

std::optional<DecodedString> DecodeString(std::string_view line, std::size_t pos, char delimiter) {
  DecodedString decoded;
  Appender appender(decoded.text);
  const auto next = Walk(line, pos, delimiter, &appender);
  if (!next) return std::nullopt;
  decoded.next = *next;
  return decoded;
}

std::optional<std::size_t> SkipString(std::string_view line, std::size_t pos, char delimiter) {
  return Walk(line, pos, delimiter, nullptr);
}

std::optional<std::size_t> DecodeInto(std::string_view line, std::size_t pos, char delimiter,
                                      UnitSink& sink) {
  return Walk(line, pos, delimiter, &sink);
}

}  // namespace store::wine
