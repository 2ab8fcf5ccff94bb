// The commands of the machine tool. Each takes the words after its name,
// prints plain text for people and returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace inkmachine {

using Words = std::vector<std::string>;

int ShowCommand(const Words& words);
int FilesCommand(const Words& words);
int RebootCommand(const Words& words);
int RegCommand(const Words& words);

// Prints "inkmachine: <message>" on standard error and returns 1.
int Fail(const std::string& message);
// The system's text for an error number, on one line, with the number.
std::string ErrorText(long code);

}  // namespace inkmachine
