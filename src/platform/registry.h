// The machine's registry: keys, typed values and key security, kept in one
// SQLite database of the machine (registry.db) that the installer, the
// uninstaller and plug-in modules share. Every operation returns a Windows
// error number (0 success) and is atomic.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/errors.h"

namespace platform {

// An open key. The predefined roots are always open and are never closed.
using RegKey = std::uintptr_t;

inline constexpr RegKey HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr RegKey HKEY_CURRENT_USER = 0x80000001;
inline constexpr RegKey HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr RegKey HKEY_USERS = 0x80000003;
inline constexpr RegKey HKEY_PERFORMANCE_DATA = 0x80000004;
inline constexpr RegKey HKEY_CURRENT_CONFIG = 0x80000005;
inline constexpr RegKey HKEY_DYN_DATA = 0x80000006;

enum RegType : std::uint32_t {
  REG_NONE = 0,
  REG_SZ = 1,
  REG_EXPAND_SZ = 2,
  REG_BINARY = 3,
  REG_DWORD = 4,
  REG_MULTI_SZ = 7,
};

// Access rights of an open key.
enum RegAccess : std::uint32_t {
  KEY_QUERY_VALUE = 0x0001,
  KEY_SET_VALUE = 0x0002,
  KEY_CREATE_SUB_KEY = 0x0004,
  KEY_ENUMERATE_SUB_KEYS = 0x0008,
  KEY_NOTIFY = 0x0010,
  KEY_CREATE_LINK = 0x0020,
  KEY_WOW64_64KEY = 0x0100,  // a 32-bit process asks for the 64-bit view
  KEY_WOW64_32KEY = 0x0200,
  REG_DELETE = 0x10000,
  READ_CONTROL = 0x20000,
  WRITE_DAC = 0x40000,
  KEY_READ = 0x20019,
  KEY_WRITE = 0x20006,
  KEY_ALL_ACCESS = 0xF003F,
};

struct RegKeyInfo {
  std::uint32_t subkeys = 0;
  std::uint32_t max_subkey_len = 0;      // longest subkey name, characters
  std::uint32_t values = 0;
  std::uint32_t max_value_name_len = 0;  // longest value name, characters
  std::uint32_t max_value_len = 0;       // longest value data, bytes
};

// One entry of a key's access list. A key whose list denies REG_DELETE to
// "Everyone" cannot be deleted (5) until the list is replaced. Entries are
// read in order and the first that names a right decides; a key with no
// entries was never secured and allows everything. The lists are consulted
// when a key is deleted.
struct RegAccessEntry {
  std::string trustee;         // "Everyone", "Administrators", a user name
  bool allow = true;
  std::uint32_t mask = 0;      // RegAccess bits
};
struct RegSecurity {
  std::vector<RegAccessEntry> entries;
};

// Names and subkey paths are case-insensitive and keep the case they were
// created with; "\" separates the parts of a subkey path. A 32-bit process on
// a 64-bit machine sees HKLM\Software as HKLM\Software\Wow6432Node unless it
// asks for KEY_WOW64_64KEY.
//
// Every call answers 6 for a handle that is not open, 1018 for a handle
// whose key has been deleted since, and 5 when the handle was opened without
// the right the call needs (KEY_QUERY_VALUE to read values and key
// information, KEY_SET_VALUE to write or delete values, KEY_ENUMERATE_SUB_KEYS
// to list subkeys, KEY_CREATE_SUB_KEY to create one, READ_CONTROL and
// WRITE_DAC for security). Handles are never reused within a process; those
// of another machine are invalid once the current machine changes.
long RegOpenKeyEx(RegKey root, const char* subkey, std::uint32_t access, RegKey* result);
long RegCreateKeyEx(RegKey root, const char* subkey, std::uint32_t access, RegKey* result,
                    bool* created = nullptr);
long RegCloseKey(RegKey key);

// A null or empty name is the key's unnamed default value. Data is stored and
// returned byte for byte. With `data` null only the type and size are given;
// a buffer too small gives 234 with the needed size in `size`.
long RegQueryValueEx(RegKey key, const char* name, std::uint32_t* type, void* data,
                     std::uint32_t* size);
long RegSetValueEx(RegKey key, const char* name, std::uint32_t type, const void* data,
                   std::uint32_t size);
long RegDeleteValue(RegKey key, const char* name);

long RegQueryInfoKey(RegKey key, RegKeyInfo* info);
// Subkeys in case-insensitive name order; values in the order they were
// created. 259 past the end; 234 when the name buffer is too small, with the
// needed size (NUL counted) in `name_size`. On success `name_size` is the
// name's length without its NUL.
long RegEnumKeyEx(RegKey key, std::uint32_t index, char* name, std::uint32_t* name_size);
long RegEnumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t* name_size,
                  std::uint32_t* type, void* data, std::uint32_t* data_size);

// Deletes a key that has no subkeys (5 while it has some, as on Windows NT),
// with its values. An empty subkey deletes `root` itself; a predefined root
// cannot be deleted (5).
long RegDeleteKey(RegKey root, const char* subkey);

long RegGetKeySecurity(RegKey key, RegSecurity* security);
long RegSetKeySecurity(RegKey key, const RegSecurity& security);  // needs WRITE_DAC

}  // namespace platform
