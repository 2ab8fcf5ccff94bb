#include "printer/module_buffer.h"

#include <cstring>

namespace printer {

std::string ModuleBuffer::Text() const { return std::string(bytes_.data(), ::strnlen(bytes_.data(), kSize)); }

std::vector<std::string> ModuleBuffer::Texts(std::size_t count) const {
  std::vector<std::string> texts;
  std::size_t at = 0;
  while (texts.size() < count && at < kSize) {
    const std::size_t length = ::strnlen(bytes_.data() + at, kSize - at);
    texts.emplace_back(bytes_.data() + at, length);
    at += length + 1;
  }
  return texts;
}

}  // namespace printer
