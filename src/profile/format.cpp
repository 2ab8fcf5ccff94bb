#include "profile/format.h"

#include <cstdio>

namespace profile {

namespace {

// Pads `text` to `width` with `fill`, on the right when `left` is set.
std::string Pad(std::string text, std::size_t width, bool left, char fill) {
  if (text.size() >= width) return text;
  const std::size_t missing = width - text.size();
  if (left) return text.append(missing, ' ');
  // Zeros go after a sign, as printf puts them.
  const std::size_t sign = (fill == '0' && !text.empty() && text[0] == '-') ? 1 : 0;
  text.insert(sign, missing, fill);
  return text;
}

}  // namespace

std::string FormatArgument::Text() const {
  if (is_text_) return std::string(text_);
  return is_signed_ ? std::to_string(signed_) : std::to_string(unsigned_);
}

std::string FormatArgument::Number(char conversion) const {
  if (is_text_) return std::string(text_);
  if (conversion == 'c') return std::string(1, static_cast<char>(is_signed_ ? signed_ : unsigned_));
  if (conversion == 'x' || conversion == 'X') {
    // Hexadecimal shows the bits of a 32-bit value, as printf does with int.
    const std::uint64_t bits = is_signed_ ? static_cast<std::uint32_t>(signed_) : unsigned_;
    char text[24];
    std::snprintf(text, sizeof text, conversion == 'x' ? "%llx" : "%llX",
                  static_cast<unsigned long long>(bits));
    return text;
  }
  return Text();
}

std::string FormatText(std::string_view format, std::initializer_list<FormatArgument> arguments) {
  std::string out;
  auto next = arguments.begin();
  for (std::size_t at = 0; at < format.size(); ++at) {
    if (format[at] != '%') {
      out.push_back(format[at]);
      continue;
    }
    if (++at >= format.size()) break;
    if (format[at] == '%') {
      out.push_back('%');
      continue;
    }
    bool left = false;
    char fill = ' ';
    for (; at < format.size() && (format[at] == '-' || format[at] == '0'); ++at) {
      if (format[at] == '-') left = true;
      if (format[at] == '0') fill = '0';
    }
    std::size_t width = 0;
    for (; at < format.size() && format[at] >= '0' && format[at] <= '9'; ++at) {
      width = width * 10 + static_cast<std::size_t>(format[at] - '0');
    }
    while (at < format.size() && (format[at] == 'l' || format[at] == 'h')) ++at;
    if (at >= format.size()) break;
    const char conversion = format[at];
    if (next == arguments.end()) continue;
    const FormatArgument& argument = *next++;
    std::string text = conversion == 's' ? argument.Text() : argument.Number(conversion);
    out += Pad(std::move(text), width, left, conversion == 's' ? ' ' : fill);
  }
  return out;
}

}  // namespace profile
