#include "profile/profile_number.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <string>

namespace profile {

namespace {

constexpr std::size_t kHexDigits = 8;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

std::uint32_t FromHex(const std::string& upper) {
  std::string digits;
  for (std::size_t at = 0; at < upper.size();) {
    if (upper.compare(at, 2, "0X") == 0) {
      at += 2;
    } else {
      digits.push_back(upper[at++]);
    }
  }
  std::uint32_t value = 0;
  const std::size_t first = digits.size() > kHexDigits ? digits.size() - kHexDigits : 0;
  for (std::size_t at = first; at < digits.size(); ++at) value = value * 16 + HexValue(digits[at]);
  return value;
}

std::uint32_t FromDecimal(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  std::int64_t value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = std::min<std::int64_t>(value * 10 + (text[at] - '0'), kMax + 1);
  }
  if (negative) value = -value;
  value = std::clamp(value, kMin, kMax);
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
}

}  // namespace

std::uint32_t StringToDword(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper.find("0X") == std::string::npos) return FromDecimal(upper);
  return FromHex(upper);
}

}  // namespace profile
