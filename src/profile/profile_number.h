// Numbers as profiles write them.
#pragma once

#include <cstdint>
#include <string_view>

namespace profile {

// A profile number: decimal (leading blanks and a sign allowed, stopping at
// the first non-digit, 0 without digits, clamped to the 32-bit signed range)
// unless the text holds "0x" in any case. Then every "0x" is dropped and the
// last eight characters are read as hexadecimal digits, any other character
// counting 0, so only the low 32 bits of a longer number survive.
std::uint32_t StringToDword(std::string_view text);

}  // namespace profile
