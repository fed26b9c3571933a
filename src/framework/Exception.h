#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace framework {

// The one exception class of the framework; every error the user is shown
// is one of these, carrying its message ready for display.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}

  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// A text that is not an integer.
class ConvertError : public Exception {
 public:
  using Exception::Exception;
};

// An index outside a list.
class ListIndexError : public Exception {
 public:
  using Exception::Exception;
};

// A registry operation that failed.
class RegistryError : public Exception {
 public:
  using Exception::Exception;
};

// The messages, with %s where the offending text goes.
inline constexpr std::string_view kNotAnIntegerMessage = "'%s' は整数ではありません";
inline constexpr std::string_view kInvalidDataTypeMessage = "'%s' のﾃﾞｰﾀ型が不正です";
inline constexpr std::string_view kReadFailedMessage = "'%s' の取得に失敗しました";
inline constexpr std::string_view kListIndexMessage = "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています";

// The message with its first %s replaced by `text`.
std::string FormatMessage(std::string_view message, std::string_view text);

}  // namespace framework
