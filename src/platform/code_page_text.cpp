#include "platform/code_page_text.h"

#include "platform/codepage.h"

namespace platform {

namespace {

// Folds an ASCII letter to lower case; other bytes stay.
inline unsigned char Fold(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

constexpr std::size_t kHashBasis = 14695981039346656037ull;
constexpr std::size_t kHashPrime = 1099511628211ull;

}  // namespace

CodePageText::CodePageText(std::uint32_t code_page)
    : code_page_(code_page), double_byte_(platform::IsLeadByte(code_page, 0x81)) {}

std::size_t CodePageText::CharLength(std::string_view text, std::size_t at) const {
  return double_byte_ ? platform::CharacterLength(code_page_, text, at) : 1;
}

bool CodePageText::Equal(std::string_view a, std::string_view b) const {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    const std::size_t length = CharLength(a, i);
    if (length == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
    } else if (Fold(static_cast<unsigned char>(a[i])) != Fold(static_cast<unsigned char>(b[i]))) {
      return false;
    }
    i += length;
  }
  return true;
}

std::size_t CodePageText::Hash(std::string_view text) const {
  std::size_t hash = kHashBasis;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLength(text, i);
    hash = (hash ^ Fold(static_cast<unsigned char>(text[i]))) * kHashPrime;
    if (length == 2) hash = (hash ^ static_cast<unsigned char>(text[i + 1])) * kHashPrime;
    i += length;
  }
  return hash;
}

std::string CodePageText::Upper(std::string_view text) const {
  std::string upper(text);
  for (std::size_t i = 0; i < upper.size();) {
    const std::size_t length = CharLength(upper, i);
    const char c = upper[i];
    if (length == 1 && c >= 'a' && c <= 'z') upper[i] = static_cast<char>(c - ('a' - 'A'));
    i += length;
  }
  return upper;
}

std::size_t CodePageText::Find(std::string_view text, char c, std::size_t from) const {
  if (!double_byte_) return text.find(c, from);
  for (std::size_t i = from; i < text.size(); i += CharLength(text, i)) {
    if (text[i] == c) return i;
  }
  return std::string_view::npos;
}

std::size_t CodePageText::Find(std::string_view text, std::string_view what, std::size_t from) const {
  if (!double_byte_) return text.find(what, from);
  for (std::size_t i = from; i < text.size(); i += CharLength(text, i)) {
    if (text.substr(i, what.size()) == what) return i;
  }
  return std::string_view::npos;
}

std::size_t CodePageText::CutLength(std::string_view text, std::size_t limit) const {
  if (text.size() <= limit) return text.size();
  if (!double_byte_) return limit;
  std::size_t at = 0;
  while (at < limit) {
    const std::size_t length = CharLength(text, at);
    if (at + length > limit) break;
    at += length;
  }
  return at;
}

}  // namespace platform
