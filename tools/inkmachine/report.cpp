#include <cstdio>

#include "commands.h"
#include "platform/errors.h"

namespace inkmachine {

int Fail(const std::string& message) {
  std::fprintf(stderr, "inkmachine: %s\n", message.c_str());
  return 1;
}

std::string ErrorText(long code) {
  std::string text = platform::SystemErrorText(code);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text + " (error " + std::to_string(code) + ")";
}

}  // namespace inkmachine
