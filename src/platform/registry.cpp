// The registry calls: argument checks, handles and rights, and the copying
// of results into callers' buffers, over the machine's registry store.
#include "platform/registry.h"

#include <cstring>
#include <string_view>

#include "platform/registry_session.h"
#include "platform/registry_view.h"

namespace platform {

namespace {

// A value name: null is the default value, as "" is.
long ValueName(const char* name, std::string_view* result) {
  *result = name ? name : "";
  return result->size() > kMaxValueNameLength ? kErrorInvalidParameter : kErrorSuccess;
}

// The names of `subkey` below `root`, in the view the caller sees.
long SubkeyPath(const RegistrySession& session, RegKey root, const char* subkey,
                std::uint32_t access, KeyPath* path) {
  if ((access & KEY_WOW64_32KEY) && (access & KEY_WOW64_64KEY)) return kErrorInvalidParameter;
  if (long error = ParseKeyPath(subkey, path)) return error;
  if (root == HKEY_LOCAL_MACHINE) ApplyRegistryView(session.Config(), access, *path);
  return kErrorSuccess;
}

// Copies `bytes` into a caller's buffer of *size bytes. With `buffer` null
// only the size is given. 234 with the needed size when it does not fit.
long CopyData(std::string_view bytes, void* buffer, std::uint32_t* size) {
  if (!size) return buffer ? kErrorInvalidParameter : kErrorSuccess;
  const auto needed = static_cast<std::uint32_t>(bytes.size());
  if (buffer && *size < needed) {
    *size = needed;
    return kErrorMoreData;
  }
  if (buffer && needed) std::memcpy(buffer, bytes.data(), needed);
  *size = needed;
  return kErrorSuccess;
}

// Copies a name with its terminating NUL into a buffer of *size characters;
// *size becomes the name's length. 234 with the needed size, NUL counted,
// when it does not fit.
long CopyName(std::string_view name, char* buffer, std::uint32_t* size) {
  const auto needed = static_cast<std::uint32_t>(name.size() + 1);
  if (*size < needed) {
    *size = needed;
    return kErrorMoreData;
  }
  std::memcpy(buffer, name.data(), name.size());
  buffer[name.size()] = '\0';
  *size = needed - 1;
  return kErrorSuccess;
}

}  // namespace

long RegOpenKeyEx(RegKey root, const char* subkey, std::uint32_t access, RegKey* result) {
  if (!result) return kErrorInvalidParameter;
  *result = 0;
  return RunRegistryOperation([&](RegistrySession& session) -> long {
    OpenKey from;
    KeyPath path;
    if (long error = session.Resolve(root, 0, &from)) return error;
    if (long error = SubkeyPath(session, root, subkey, access, &path)) return error;
    KeyId key = 0;
    if (long error = session.Store().OpenKey(from.id, path, &key)) return error;
    *result = session.Handles().Add({key, GrantedKeyAccess(access)});
    return kErrorSuccess;
  });
}

long RegCreateKeyEx(RegKey root, const char* subkey, std::uint32_t access, RegKey* result,
                    bool* created) {
  if (!result || !subkey) return kErrorInvalidParameter;
  *result = 0;
  if (created) *created = false;
  return RunRegistryOperation([&](RegistrySession& session) -> long {
    OpenKey from;
    KeyPath path;
    if (long error = session.Resolve(root, 0, &from)) return error;
    if (long error = SubkeyPath(session, root, subkey, access, &path)) return error;
    const bool may_create = from.access & KEY_CREATE_SUB_KEY;
    KeyId key = 0;
    bool is_new = false;
    if (long error = session.Store().CreateKey(from.id, path, may_create, &key, &is_new)) {
      return error;
    }
    *result = session.Handles().Add({key, GrantedKeyAccess(access)});
    if (created) *created = is_new;
    return kErrorSuccess;
  });
}

long RegCloseKey(RegKey key) {
  return RunRegistryOperation([&](RegistrySession& session) -> long {
    if (session.Store().RootKey(key)) return kErrorSuccess;
    return session.Handles().Remove(key) ? kErrorSuccess : kErrorInvalidHandle;
  });
}

long RegQueryValueEx(RegKey key, const char* name, std::uint32_t* type, void* data,
                     std::uint32_t* size) {
  std::string_view value_name;
  if (data && !size) return kErrorInvalidParameter;
  if (long error = ValueName(name, &value_name)) return error;
  return RunRegistryOperation([&](RegistrySession& session) -> long {
    OpenKey open;
    RegValue value;
    if (long error = session.Resolve(key, KEY_QUERY_VALUE, &open)) return error;
    if (long error = session.Store().QueryValue(open.id, value_name, &value)) return error;
    if (type) *type = value.type;
    return CopyData(value.data, data, size);
  });
}

long RegSetValueEx(RegKey key, const char* name, std::uint32_t type, const void* data,
                   std::uint32_t size) {
  std::string_view value_name;
  if (!data && size) return kErrorInvalidParameter;
  if (long error = ValueName(name, &value_name)) return error;
  const std::string_view bytes(static_cast<const char*>(data), data ? size : 0);
  return RunRegistryOperation([&](RegistrySession& session) -> long {
    OpenKey open;
    if (long error = session.Resolve(key, KEY_SET_VALUE, &open)) return error;
    return session.Store().SetValue(open.id, value_name, type, bytes);
  });
}

long RegDeleteValue(RegKey key, const char* name) {
  std::string_view value_name;
  if (long error = ValueName(name, &value_name)) return error;
  return RunRegistryOperation([&](RegistrySession& session) -> long {
    OpenKey open;
    if (long error = session.Resolve(key, KEY_SET_VALUE, &open)) return error;
    return session.Store().DeleteValue(open.id, value_name);
  });
}

long RegQueryInfoKey(RegKey key, RegKeyInfo* info) {
  if (!info) return kErrorInvalidParameter;
  return RunRegistryOperation([&](RegistrySession& session) -> long {
    OpenKey open;
    if (long error = session.Resolve(key, KEY_QUERY_VALUE, &open)) return error;
    return session.Store().QueryInfo(open.id, info);
  });
}

long RegEnumKeyEx(RegKey key, std::uint32_t index, char* name, std::uint32_t* name_size) {
  if (!name || !name_size) return kErrorInvalidParameter;
  return RunRegistryOperation([&](RegistrySession& session) -> long {
    OpenKey open;
    std::string subkey;
    if (long error = session.Resolve(key, KEY_ENUMERATE_SUB_KEYS, &open)) return error;
    if (long error = session.Store().EnumKey(open.id, index, &subkey)) return error;
    return CopyName(subkey, name, name_size);
  });
}

long RegEnumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t* name_size,
                  std::uint32_t* type, void* data, std::uint32_t* data_size) {
  if (!name || !name_size || (data && !data_size)) return kErrorInvalidParameter;
  return RunRegistryOperation([&](RegistrySession& session) -> long {
    OpenKey open;
    RegValue value;
    if (long error = session.Resolve(key, KEY_QUERY_VALUE, &open)) return error;
    if (long error = session.Store().EnumValue(open.id, index, &value)) return error;
    if (long error = CopyName(value.name, name, name_size)) return error;
    if (type) *type = value.type;
    return CopyData(value.data, data, data_size);
  });
}

long RegDeleteKey(RegKey root, const char* subkey) {
  if (!subkey) return kErrorInvalidParameter;
  return RunRegistryOperation([&](RegistrySession& session) -> long {
    OpenKey from;
    KeyPath path;
    if (long error = session.Resolve(root, 0, &from)) return error;
    if (long error = SubkeyPath(session, root, subkey, 0, &path)) return error;
    return session.Store().DeleteKey(from.id, path, session.Identity());
  });
}

long RegGetKeySecurity(RegKey key, RegSecurity* security) {
  if (!security) return kErrorInvalidParameter;
  return RunRegistryOperation([&](RegistrySession& session) -> long {
    OpenKey open;
    if (long error = session.Resolve(key, READ_CONTROL, &open)) return error;
    return session.Store().GetSecurity(open.id, security);
  });
}

long RegSetKeySecurity(RegKey key, const RegSecurity& security) {
  return RunRegistryOperation([&](RegistrySession& session) -> long {
    OpenKey open;
    if (long error = session.Resolve(key, WRITE_DAC, &open)) return error;
    return session.Store().SetSecurity(open.id, security);
  });
}

}  // namespace platform
