// Reading, writing and copying values with the registry helper.
#include "install/registry.h"

#include <cstring>
#include <string>
#include <vector>

#include "install/registry_key.h"
#include "platform/errors.h"
#include "platform/registry_path.h"

using install::OpenKey;
using platform::RegKey;

namespace {

bool IsEmpty(const char* text) { return text == nullptr || *text == '\0'; }

// Whether the key path `inner` is `outer` itself or lies below it, names
// compared as the registry compares them.
bool IsSameOrBelow(std::string_view inner, std::string_view outer) {
  inner = install::WithoutTrailingSeparators(inner);
  outer = install::WithoutTrailingSeparators(outer);
  if (outer.empty()) return true;
  if (inner.size() < outer.size()) return false;
  if (!platform::RegistryNamesEqual(inner.substr(0, outer.size()), outer)) return false;
  return inner.size() == outer.size() || inner[outer.size()] == '\\';
}

// Creates `key` when missing and writes one value into it.
long WriteValue(const char* key, const char* name, std::uint32_t type, std::string_view data,
                RegKey root) {
  OpenKey target;
  if (long error = target.Create(root, key, platform::KEY_WRITE)) return error;
  return platform::RegSetValueEx(target.Get(), name, type, data.data(),
                                 static_cast<std::uint32_t>(data.size()));
}

}  // namespace

long CRegistry::GetValue(const char* key, const char* name, char* buffer, RegKey root,
                         std::size_t size) {
  if (key == nullptr || buffer == nullptr) return platform::kErrorInvalidParameter;
  OpenKey source;
  if (long error = source.Open(root, key, platform::KEY_READ)) return error;
  std::uint32_t type = platform::REG_NONE;
  std::string data;
  if (long error = install::ReadValue(source.Get(), name, &type, &data)) return error;
  if (type != platform::REG_SZ) return platform::kErrorInvalidParameter;
  const std::string_view text = install::StringText(data);
  if (text.size() >= size) return platform::kErrorInsufficientBuffer;
  std::memcpy(buffer, text.data(), text.size());
  buffer[text.size()] = '\0';
  return platform::kErrorSuccess;
}

long CRegistry::GetValue(const char* key, const char* name, std::uint32_t* value, RegKey root) {
  if (key == nullptr || value == nullptr) return platform::kErrorInvalidParameter;
  OpenKey source;
  if (long error = source.Open(root, key, platform::KEY_READ)) return error;
  std::uint32_t type = platform::REG_NONE;
  std::string data;
  if (long error = install::ReadValue(source.Get(), name, &type, &data)) return error;
  if (type != platform::REG_DWORD) return platform::kErrorInvalidParameter;
  if (data.size() != sizeof *value) return platform::kErrorInvalidData;
  *value = install::DataNumber(data);
  return platform::kErrorSuccess;
}

long CRegistry::SetValue(const char* key, const char* name, const char* text, RegKey root) {
  if (IsEmpty(key) || IsEmpty(name) || text == nullptr) return platform::kErrorInvalidParameter;
  return WriteValue(key, name, platform::REG_SZ, text, root);
}

long CRegistry::SetValue(const char* key, const char* name, std::uint32_t value, RegKey root) {
  if (IsEmpty(key) || IsEmpty(name)) return platform::kErrorInvalidParameter;
  return WriteValue(key, name, platform::REG_DWORD, install::NumberData(value), root);
}

long CRegistry::DeleteValue(const char* key, const char* name, RegKey root) {
  if (key == nullptr) return platform::kErrorInvalidParameter;
  OpenKey target;
  if (long error = target.Open(root, key, platform::KEY_ALL_ACCESS)) return error;
  return platform::RegDeleteValue(target.Get(), name);
}

long CRegistry::CopyKey(const char* source, const char* target, bool with_subkeys,
                        RegKey source_root, RegKey target_root) {
  if (source == nullptr || target == nullptr) return platform::kErrorInvalidParameter;
  // A tree copied into itself would meet its own copies as it walks.
  if (with_subkeys && source_root == target_root && IsSameOrBelow(target, source)) {
    return platform::kErrorInvalidParameter;
  }
  OpenKey from;
  if (long error = from.Open(source_root, source, platform::KEY_READ)) return error;
  platform::RegKeyInfo info;
  if (long error = platform::RegQueryInfoKey(from.Get(), &info)) return error;
  if (with_subkeys) {
    std::vector<std::string> names;
    if (long error = install::ReadSubkeyNames(from.Get(), &names)) return error;
    for (const auto& name : names) {
      const std::string child_source = install::JoinKeyPath(source, name);
      const std::string child_target = install::JoinKeyPath(target, name);
      if (long error = CopyKey(child_source.c_str(), child_target.c_str(), true, source_root,
                               target_root)) {
        return error;
      }
    }
  }
  return CopyValue(from.Get(), info.values, target, target_root);
}

long CRegistry::CopyValue(RegKey source, std::uint32_t value_count, const char* target_key,
                          RegKey target_root) {
  if (target_key == nullptr) return platform::kErrorInvalidParameter;
  OpenKey target;
  for (std::uint32_t index = 0; index < value_count; ++index) {
    install::RegistryValue value;
    const long result = install::ReadValueAt(source, index, &value);
    if (result == platform::kErrorNoMoreItems) break;  // values went away meanwhile
    if (result != platform::kErrorSuccess) return result;
    if (value.type != platform::REG_SZ && value.type != platform::REG_DWORD) continue;
    if (!target.IsOpen()) {
      if (long error = target.Create(target_root, target_key, platform::KEY_WRITE)) return error;
    }
    if (long error = platform::RegSetValueEx(target.Get(), value.name.c_str(), value.type,
                                             value.data.data(),
                                             static_cast<std::uint32_t>(value.data.size()))) {
      return error;
    }
  }
  return platform::kErrorSuccess;
}
