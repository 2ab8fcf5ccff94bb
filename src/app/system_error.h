// The system's texts for error numbers, copied or shown to the user.
#pragma once

#include <cstddef>
#include <string_view>

namespace app {

// Copies the system's text for `code` into `buffer` of `size` bytes, cut to
// fit and always NUL-terminated; a null buffer or zero size is left alone.
// Always true.
bool GetSystemErrorText(long code, char* buffer, std::size_t size);

// Shows the system's text for `code` in a warning message box without
// owner, with `caption`.
void ShowSystemError(long code, std::string_view caption);

}  // namespace app
