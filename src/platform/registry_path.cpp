#include "platform/registry_path.h"

#include "platform/errors.h"

namespace platform {

namespace {

char FoldChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

long ParseKeyPath(const char* subkey, KeyPath* path) {
  path->clear();
  std::string_view rest = subkey ? subkey : "";
  if (!rest.empty() && rest.back() == '\\') rest.remove_suffix(1);
  while (!rest.empty()) {
    const auto separator = rest.find('\\');
    const std::string_view name = rest.substr(0, separator);
    if (name.empty() || name.size() > kMaxKeyNameLength) return kErrorInvalidParameter;
    path->emplace_back(name);
    if (separator == std::string_view::npos) break;
    rest.remove_prefix(separator + 1);
    if (rest.empty()) return kErrorInvalidParameter;  // "A\\" after trimming one "\"
  }
  return kErrorSuccess;
}

std::string FoldRegistryName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = FoldChar(c);
  return folded;
}

bool RegistryNamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldChar(a[i]) != FoldChar(b[i])) return false;
  }
  return true;
}

}  // namespace platform
