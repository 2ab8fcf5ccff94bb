// Splitting a Windows command line into arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits the arguments of a Windows command line the way programs built
// with the Microsoft C runtime do: blanks and tabs separate arguments
// outside double quotes; a double quote toggles quoting and is dropped; ""
// inside quotes is one literal quote; 2n backslashes before a quote give n
// backslashes, 2n+1 give n and a literal quote; other backslashes are
// literal. "" alone is an empty argument. The text holds arguments only,
// not the program name, whose rules differ.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

}  // namespace platform
