#include "platform/registry_names.h"

#include <array>
#include <strings.h>

namespace platform {

namespace {

struct RootName {
  RegKey root;
  const char* long_name;
  const char* short_name;
};

constexpr std::array kRoots = {
    RootName{HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT", "HKCR"},
    RootName{HKEY_CURRENT_USER, "HKEY_CURRENT_USER", "HKCU"},
    RootName{HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE", "HKLM"},
    RootName{HKEY_USERS, "HKEY_USERS", "HKU"},
    RootName{HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA", "HKPD"},
    RootName{HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG", "HKCC"},
    RootName{HKEY_DYN_DATA, "HKEY_DYN_DATA", "HKDD"},
};

bool EqualsIgnoringCase(std::string_view text, const char* name) {
  return text.size() == std::char_traits<char>::length(name) &&
         ::strncasecmp(text.data(), name, text.size()) == 0;
}

}  // namespace

const char* RegistryRootName(RegKey root) {
  for (const auto& entry : kRoots) {
    if (entry.root == root) return entry.long_name;
  }
  return nullptr;
}

bool SplitRegistryPath(std::string_view path, RegKey& root, std::string& subkey) {
  const auto separator = path.find('\\');
  const std::string_view head = path.substr(0, separator);
  for (const auto& entry : kRoots) {
    if (EqualsIgnoringCase(head, entry.long_name) || EqualsIgnoringCase(head, entry.short_name)) {
      root = entry.root;
      subkey = separator == std::string_view::npos ? "" : std::string(path.substr(separator + 1));
      return true;
    }
  }
  return false;
}

}  // namespace platform
