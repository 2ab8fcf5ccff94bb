// The text format of a profile: the comment and line-end pass over a whole
// file, and the pieces the line pass takes apart (trimming, section headers,
// key and value).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/code_page_text.h"

namespace profile {

// Limits of one line as the reader keeps it. A longer line ends the reading
// of a file; longer names and keys given to the list are cut.
inline constexpr std::size_t kMaxLineLength = 4095;
inline constexpr std::size_t kMaxValueLength = 4095;
inline constexpr std::size_t kMaxNameLength = 255;

// The comment and line-end pass, in place. Outside double quotes "//" drops
// the rest of its line and "/*" drops everything up to and including the next
// "*/" (or the rest of the text), line ends inside it too. Every run of CR and
// LF becomes one "\n", so blank lines vanish. A double quote toggles the
// quoted state, which line ends do not reset. The text never grows.
void StripComments(std::string& text);

// A blank or a tab, the two characters that separate words in profiles and
// command lines.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
// `text` without blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

// The section name of a trimmed line that is a header ("[" first, a
// single-byte "]" last): the header text without leading blanks, tabs, double
// quotes and "[" and without trailing blanks, tabs, double quotes and "]".
// Nothing for any other line. The name is not cut.
std::optional<std::string_view> HeaderName(std::string_view line, const platform::CodePageText& text);

// A name given to the list (section names, header texts) stripped as a
// header name is, whether or not it has brackets, and cut to kMaxNameLength.
std::string_view SectionName(std::string_view name, const platform::CodePageText& text);

// A trimmed line split at its first "=" into trimmed key and value; a line
// without "=" is all key. The key is cut to kMaxNameLength, the value to
// kMaxValueLength.
struct KeyValue {
  std::string_view key;
  std::string_view value;
};
KeyValue SplitLine(std::string_view line, const platform::CodePageText& text);

}  // namespace profile
