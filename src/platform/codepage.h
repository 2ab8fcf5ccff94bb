// Windows text is bytes in the machine's ANSI code page; host file names and
// windows take UTF-8. These convert between the two and tell the lead bytes
// of double-byte code pages apart, so that byte-wise scans of Windows text do
// not split a character (the second byte of a Shift-JIS character may be a
// "\").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// True for the ANSI code pages a machine may use: 874, 932, 936, 949, 950
// and 1250 to 1256.
bool IsSupportedCodePage(std::uint32_t code_page);

// Text in `code_page` as UTF-8. A byte sequence that is not a character of
// the code page becomes "?"; plain ASCII passes unchanged. An unsupported
// code page converts as if every non-ASCII byte were invalid.
std::string CodePageToUtf8(std::string_view text, std::uint32_t code_page);

// UTF-8 text in `code_page`. A character the code page cannot represent, and
// a malformed UTF-8 sequence, become "?".
std::string Utf8ToCodePage(std::string_view text, std::uint32_t code_page);

// True when `byte` opens a two-byte character in `code_page` (always false
// for the single-byte code pages).
bool IsLeadByte(std::uint32_t code_page, unsigned char byte);

// The length in bytes (1 or 2) of the character that starts at `at`; a lead
// byte at the very end counts as one byte.
std::size_t CharacterLength(std::uint32_t code_page, std::string_view text, std::size_t at);

// The length in bytes of the UTF-8 character that starts at `at`: what its
// first byte announces, cut short before the first byte that does not
// continue it, and at least 1, so a scan always moves on.
std::size_t Utf8CharacterLength(std::string_view text, std::size_t at);

}  // namespace platform
