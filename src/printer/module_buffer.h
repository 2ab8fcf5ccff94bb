// The buffer a plug-in module fills with text: always the full size the
// module interface promises, zero-filled, and read back without ever
// looking past its end, whether or not the module terminated its text.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "inkstall_module.h"

namespace printer {

class ModuleBuffer {
 public:
  static constexpr std::size_t kSize = INK_MODULE_TEXT_SIZE;

  ModuleBuffer() : bytes_(kSize, '\0') {}

  // The kSize bytes to hand to the module.
  char* Data() { return bytes_.data(); }

  // The text at the start of the buffer, up to its first NUL or the end.
  std::string Text() const;
  // The first `count` texts of a list of NUL-ended texts. A list that the
  // end of the buffer cuts short gives the texts it holds, the last one cut
  // at the end.
  std::vector<std::string> Texts(std::size_t count) const;

 private:
  std::vector<char> bytes_;
};

}  // namespace printer
