#include "platform/command_line.h"

namespace platform {

namespace {

// True for the characters that separate arguments outside quotes.
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view command_line) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  const std::size_t n = command_line.size();
  while (true) {
    while (i < n && IsBlank(command_line[i])) ++i;
    if (i == n) break;
    std::string argument;
    bool quoted = false;
    while (i < n && (quoted || !IsBlank(command_line[i]))) {
      const char c = command_line[i];
      if (c == '\\') {
        std::size_t backslashes = 0;
        while (i < n && command_line[i] == '\\') ++backslashes, ++i;
        if (i < n && command_line[i] == '"') {
          argument.append(backslashes / 2, '\\');
          if (backslashes % 2 == 1) argument += '"', ++i;
        } else {
          argument.append(backslashes, '\\');
        }
      } else if (c == '"') {
        if (quoted && i + 1 < n && command_line[i + 1] == '"') {
          argument += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        argument += c;
        ++i;
      }
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

}  // namespace platform
