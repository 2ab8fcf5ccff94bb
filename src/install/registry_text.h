// The lines of the registry text file: section names for keys, value lines
// for string and number values, and the escapes that let every name and
// text pass unharmed through the profile reader that reads the file back.
//
// The profile reader drops what follows "//" or "/*" outside double
// quotes, breaks lines at CR and LF, splits a line at its first "=", and
// strips blanks, tabs, double quotes and "]" from the end of a section
// name. So a few characters are written as "%" and two upper-case hex
// digits, each only in the fields where it would be harmed:
//
//   character                          field               written
//   CR, LF                             all                 %0D %0A
//   "/" followed by "/" or "*"         all                 %2F
//   "="                                value names         %3D
//   blank, tab, '"' or "]" as the      key names           %20 %09 %22 %5D
//     last character of a name
//   "%" followed by the two digits     all                 %25
//     of one of its field's codes
//
// Reading turns exactly the codes of the field (hex digits in either case)
// back into their characters, and leaves every other "%" alone. Texts
// without these characters are written as they are: "%SystemRoot%",
// "C:\new\regedit", "100%", quotes, "@" and "$" stay readable and come back
// unchanged, since the file is read without %NAME% or escape conversion.
// Decoding ignores the letter case of the digits, so two key names that
// differ in more than letter case never give section names that the
// reader takes for one.
//
// A value line is '"name"="text"' for a string and '"name"=dword:0000000a'
// for a number; the unnamed default value is written "@" without quotes,
// which keeps a value really named "@" ('"@"') apart from it. Loading
// removes exactly one pair of enclosing quotes from names and texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "install/registry_key.h"
#include "platform/registry.h"

namespace install {

enum class RegistryTextField { kKeyName, kValueName, kValueText };

// `text` as written into `field` of the file, and back.
std::string EscapeRegistryText(std::string_view text, RegistryTextField field);
std::string UnescapeRegistryText(std::string_view text, RegistryTextField field);

// The section name of `key` below the root called `root_name`:
// "ROOT\subkey" with every key name escaped, or the root's name alone for
// an empty key.
std::string RegistrySectionName(std::string_view root_name, std::string_view key);
// The root and subkey a section names. A section that does not begin with
// a root's name (long or short) is a key of HKEY_LOCAL_MACHINE.
void ParseRegistrySectionName(std::string_view section, platform::RegKey* root,
                              std::string* subkey);

// The line of one value ('key=value' with no line end), or false for a
// type the file does not carry. A byte array gives '"name"=hex:' without
// its data.
bool FormatRegistryValueLine(const RegistryValue& value, std::string* line);

// One value line as the profile reader split it into `key` and `value`.
// `*has_value` is false for a byte array ("hex:"), which carries no data.
// 0, or 13 for an unknown value type or a name with one quote only.
long ParseRegistryValueLine(std::string_view key, std::string_view value, bool* has_value,
                            RegistryValue* parsed);

}  // namespace install
