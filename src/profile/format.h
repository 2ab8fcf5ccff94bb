// printf-style formatting whose format can only come from the program's own
// code: FormatString accepts nothing but a constant, so a text read from a
// profile can be an argument but never a format. The conversions are those
// the installer's log lines and names use: %s, %d, %i, %u, %x, %X, %c and
// %%, with "-" and "0" flags and a width; length modifiers are accepted and
// ignored. Each argument prints in its own kind whatever the conversion, and
// a conversion without an argument prints nothing.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace profile {

class FormatString {
 public:
  template <std::size_t N>
  consteval FormatString(const char (&text)[N]) : text_(text, N - 1) {}  // NOLINT: implicit by design
  std::string_view Text() const { return text_; }

 private:
  std::string_view text_;
};

class FormatArgument {
 public:
  FormatArgument(std::string_view text) : text_(text) {}
  FormatArgument(const std::string& text) : text_(text) {}
  FormatArgument(const char* text) : text_(text ? text : "(null)") {}
  template <std::integral T>
  FormatArgument(T number) : is_text_(false), is_signed_(std::is_signed_v<T>) {
    if constexpr (std::is_signed_v<T>) {
      signed_ = number;
    } else {
      unsigned_ = number;
    }
  }

  // The argument as %s, %c or a number conversion prints it.
  std::string Text() const;
  std::string Number(char conversion) const;

 private:
  bool is_text_ = true;
  bool is_signed_ = false;
  std::string_view text_;
  std::int64_t signed_ = 0;
  std::uint64_t unsigned_ = 0;
};

// `format` filled with `arguments` in order.
std::string FormatText(std::string_view format, std::initializer_list<FormatArgument> arguments);

template <typename... Args>
std::string Format(FormatString format, const Args&... args) {
  return FormatText(format.Text(), {FormatArgument(args)...});
}

}  // namespace profile
