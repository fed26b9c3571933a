#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace store::wine {

struct DecodedString {
  std::u16string text;
  std::size_t next = 0;  // just past the closing delimiter
};

// Decodes an escaped string starting at `pos` in `line` up to `delimiter`,
// as Wine's loader does: C escapes, octal with at most three digits, `\x`
// with at most four hex digits, any other escaped character as itself, raw
// UTF-8 with invalid bytes dropped. Nothing when the delimiter is missing.
std::optional<DecodedString> DecodeString(std::string_view line, std::size_t pos, char delimiter);

// Where DecodeString would stop, without building the text.
std::optional<std::size_t> SkipString(std::string_view line, std::size_t pos, char delimiter);

// Receives the units of a string one at a time, so that a caller comparing
// it can stop at the first difference instead of decoding all of it.
class UnitSink {
 public:
  // False stops the decoding.
  virtual bool Put(char16_t unit) = 0;

 protected:
  ~UnitSink() = default;
};

// Feeds `sink` the units DecodeString would produce. Nothing when the
// delimiter is missing or the sink stopped.
std::optional<std::size_t> DecodeInto(std::string_view line, std::size_t pos, char delimiter,
                                      UnitSink& sink);

}  // namespace store::wine
