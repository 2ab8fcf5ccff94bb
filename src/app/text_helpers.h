// Small text operations shared by the command line, the item sections and
// the network records: tokens, list membership, numbers and hexadecimal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace app {

// Copies token `index` (from 0) of `text` into `buffer` of `size` bytes,
// NUL-terminated, after zero-filling the buffer. Every character of
// `separators` separates tokens; runs of separators, and separators at
// either end, make no empty tokens. False for a null or empty text or
// separator set, a negative index, a null buffer or a zero size, when there
// are not that many tokens, and when the token and its NUL do not fit (the
// buffer then stays zero-filled).
bool GetToken(const char* text, const char* separators, int index, char* buffer, std::size_t size);

// True when an entry of `list`, split at the characters of `separators` and
// trimmed of blanks and tabs, equals `text` ignoring letter case. False when
// an argument is null or empty.
bool IsInList(const char* list, const char* text, const char* separators);

// A number as profiles write them: decimal, or the last eight hexadecimal
// digits when the text holds "0x" in any case; 0 for a null text.
std::uint32_t TextToNumber(const char* text);

// `output` becomes the `count` bytes in order as two upper-case hexadecimal
// digits each. False for null bytes, a zero count or a null output.
bool HexString(const std::uint8_t* bytes, std::size_t count, std::string* output);

}  // namespace app
