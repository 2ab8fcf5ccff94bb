// Windows path syntax: drive letters, UNC names, "\" and "/" separators,
// paths relative to the current directory, "." and "..".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// An absolute Windows path taken apart: its root (a drive, or a UNC server
// and share) and the names below it, in UTF-8, with "." and ".." applied.
struct WindowsPath {
  char drive = 0;  // upper-case letter; 0 for a UNC path
  std::string server;
  std::string share;
  std::vector<std::string> components;
};

// Parses `text` (bytes in `code_page`) into an absolute path. A relative
// path ("a\b"), a path from the root ("\a") and a drive-relative path ("D:a")
// are taken against `current_directory`, itself an absolute Windows path in
// the same code page. ".." never climbs above the root. As Windows does,
// trailing dots and blanks are dropped from each name. False when no root
// can be found (an empty text, a relative path without a usable current
// directory, or "\\server" without a share).
bool ParseWindowsPath(std::string_view text, std::string_view current_directory, std::uint32_t code_page,
                      WindowsPath& parsed);

// The text of `path` in `code_page`: "C:\" or "\\server\share", then the
// names joined by "\".
std::string FormatWindowsPath(const WindowsPath& path, std::uint32_t code_page);

// True for "\" and "/", the two separators Windows accepts.
inline bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

// True when `text` begins with a drive letter and ":" ("C:", "d:\x").
inline bool HasDriveLetter(std::string_view text) {
  const char letter = text.empty() ? '\0' : text[0];
  return text.size() >= 2 && text[1] == ':' &&
         ((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z'));
}

// True when `text` (bytes in `code_page`) ends in a separator, not counting
// the second byte of a double-byte character that happens to be "\".
bool EndsWithSeparator(std::string_view text, std::uint32_t code_page);

}  // namespace platform
