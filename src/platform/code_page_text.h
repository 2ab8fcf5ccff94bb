// Case-insensitive comparison and byte scans of Windows text in one ANSI code
// page. Single-byte letters fold to one case; the two bytes of a double-byte
// character are compared and skipped as a unit, so the second byte of a
// Shift-JIS character never matches "@", "\\" or a letter of another case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::uint32_t kDefaultCodePage = 1252;

class CodePageText {
 public:
  explicit CodePageText(std::uint32_t code_page = kDefaultCodePage);

  std::uint32_t CodePage() const { return code_page_; }

  // True when the two texts are equal ignoring the case of single-byte
  // letters.
  bool Equal(std::string_view a, std::string_view b) const;
  // A hash that agrees with Equal: equal texts hash alike.
  std::size_t Hash(std::string_view text) const;
  // `text` with its single-byte letters in upper case.
  std::string Upper(std::string_view text) const;

  // The position of the first `c` at or after `from` that starts a
  // character (not the second byte of a pair), or npos. `from` must be where
  // a character starts: 0, or a position this class or a single-byte match
  // led to.
  std::size_t Find(std::string_view text, char c, std::size_t from = 0) const;
  // The position of the first occurrence of `what` that starts at a
  // character boundary at or after `from`, or npos. `what` must not be empty.
  std::size_t Find(std::string_view text, std::string_view what, std::size_t from = 0) const;
  // The length of the longest prefix of `text` of at most `limit` bytes that
  // does not end inside a double-byte character.
  std::size_t CutLength(std::string_view text, std::size_t limit) const;

 private:
  // The byte length of the character that starts at `at`.
  std::size_t CharLength(std::string_view text, std::size_t at) const;

  std::uint32_t code_page_;
  bool double_byte_;
};

}  // namespace platform
