// Deleting keys with the registry helper: single keys, whole trees, the
// parents a deletion leaves empty, and the repair of an access list that
// refuses a deletion.
#include <string>
#include <vector>

#include "install/registry.h"
#include "install/registry_key.h"
#include "platform/errors.h"

using install::OpenKey;
using platform::RegKey;

namespace {

// The access list SetDaclPermission gives a key: everyone may do anything.
constexpr const char* kWorldTrustee = "Everyone";
constexpr std::uint32_t kFullKeyAccess = platform::KEY_ALL_ACCESS;  // 0xF003F

long ReadAccessList(const char* key, RegKey root, platform::RegSecurity* security) {
  OpenKey target;
  if (long error = target.Open(root, key, platform::READ_CONTROL)) return error;
  return platform::RegGetKeySecurity(target.Get(), security);
}

long WriteAccessList(const char* key, RegKey root, const platform::RegSecurity& security) {
  OpenKey target;
  if (long error = target.Open(root, key, platform::WRITE_DAC)) return error;
  return platform::RegSetKeySecurity(target.Get(), security);
}

// The numbers of subkeys and values of `key`, into `info`.
long ReadKeyInfo(const char* key, RegKey root, platform::RegKeyInfo* info) {
  OpenKey target;
  if (long error = target.Open(root, key, platform::KEY_QUERY_VALUE)) return error;
  return platform::RegQueryInfoKey(target.Get(), info);
}

}  // namespace

long CRegistry::DeleteKey(const char* key, bool only_this_key, RegKey root) {
  if (key == nullptr) return platform::kErrorInvalidParameter;
  const std::string path(install::WithoutTrailingSeparators(key));
  // An empty path names the root itself, whose tree is never ours to delete.
  if (path.empty()) return platform::kErrorInvalidParameter;
  if (only_this_key) return DeleteRepairingAccess(path.c_str(), root);
  if (long error = DeleteSubKey(path.c_str(), root)) return error;
  return DeleteEmptyParent(path.c_str(), root);
}

long CRegistry::DeleteSubKey(const char* key, RegKey root) {
  std::vector<std::string> names;
  {
    OpenKey target;
    if (long error = target.Open(root, key, platform::KEY_READ)) return error;
    if (long error = install::ReadSubkeyNames(target.Get(), &names)) return error;
  }
  for (const auto& name : names) {
    const std::string child = install::JoinKeyPath(key, name);
    if (long error = DeleteSubKey(child.c_str(), root)) return error;
  }
  return DeleteRepairingAccess(key, root);
}

long CRegistry::DeleteEmptyParent(const char* key, RegKey root) {
  std::string parent(install::WithoutTrailingSeparators(key));
  for (;;) {
    const auto separator = parent.rfind('\\');
    if (separator == std::string::npos) return platform::kErrorSuccess;
    parent.resize(separator);
    if (parent.find('\\') == std::string::npos) return platform::kErrorSuccess;
    platform::RegKeyInfo info;
    if (long error = ReadKeyInfo(parent.c_str(), root, &info)) return error;
    if (info.subkeys != 0 || info.values != 0) return platform::kErrorSuccess;
    if (long error = platform::RegDeleteKey(root, parent.c_str())) return error;
  }
}

long CRegistry::SetDaclPermission(const char* key, RegKey root) {
  if (key == nullptr) return platform::kErrorInvalidParameter;
  platform::RegSecurity open_to_all;
  open_to_all.entries.push_back({kWorldTrustee, true, kFullKeyAccess});
  return WriteAccessList(key, root, open_to_all);
}

long CRegistry::DeleteRepairingAccess(const char* key, RegKey root) {
  const long refusal = platform::RegDeleteKey(root, key);
  if (refusal != platform::kErrorAccessDenied) return refusal;
  // A key with subkeys is refused whatever its access list says.
  platform::RegKeyInfo info;
  if (ReadKeyInfo(key, root, &info) != platform::kErrorSuccess || info.subkeys != 0) return refusal;
  platform::RegSecurity previous;
  if (ReadAccessList(key, root, &previous) != platform::kErrorSuccess) return refusal;
  if (SetDaclPermission(key, root) != platform::kErrorSuccess) return refusal;
  const long result = platform::RegDeleteKey(root, key);
  if (result != platform::kErrorSuccess) WriteAccessList(key, root, previous);
  return result;
}
