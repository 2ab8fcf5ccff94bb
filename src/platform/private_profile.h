// The system's profile API for writing: single values and whole sections of
// an INI file on the current machine, changed in place the way Windows
// changes them. Section names and keys compare ignoring letter case;
// lines that are not touched keep their bytes and line ends.
#pragma once

#include <string_view>

namespace platform {

// Sets `key` in `section` to `value`: the first line of that key in the
// first such section is replaced by "key=value", else the line is added after
// the section's last non-empty line; a missing section is appended to the
// file, and a missing file is created. 0, 87 for an empty section, key or
// file name, or the file system's error.
long WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, std::string_view file);

// Replaces every line of `section` with `entries`, a list of "key=value"
// entries each ended by a NUL (an empty list empties the section, whose
// header stays). A missing section is appended with the entries. 0, 87 for an
// empty section or file name, or the file system's error.
long WritePrivateProfileSection(std::string_view section, std::string_view entries,
                                std::string_view file);

}  // namespace platform
