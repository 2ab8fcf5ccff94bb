// Taking Windows paths apart as text, in the machine's code page, so that
// the second byte of a double-byte character is never taken for a "\".
#pragma once

#include <cstddef>
#include <string_view>

namespace app {

// The position of the last "\" of `path`, or npos when it has none.
std::size_t LastSeparator(std::string_view path);

}  // namespace app
