#include "platform/system_registry_values.h"

#include <array>
#include <string>

#include "platform/errors.h"
#include "platform/registry_store.h"
#include "platform/registry_view.h"

namespace platform {

namespace {

struct SeedValue {
  const char* key;  // below HKLM\SOFTWARE
  const char* name;
  const char* native;       // the value in the machine's own view
  const char* wow64;        // the value in the 32-bit view of a 64-bit machine
};

constexpr std::array kSeedValues = {
    SeedValue{"Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", "C:\\Program Files",
              "C:\\Program Files (x86)"},
    SeedValue{"Microsoft\\Windows NT\\CurrentVersion", "SystemRoot", "C:\\Windows", "C:\\Windows"},
    SeedValue{"Microsoft\\Windows\\CurrentVersion\\Setup", "SourcePath", "C:\\", "C:\\"},
};

// Writes `text` with its NUL, as Windows stores a string value, into the
// key `path` below HKLM, creating the key.
long WriteString(RegistryStore& store, const std::string& path, const char* name, std::string_view text) {
  KeyPath key_path;
  if (const long error = ParseKeyPath(path.c_str(), &key_path)) return error;
  KeyId key = 0;
  bool created = false;
  if (const long error = store.CreateKey(store.RootKey(HKEY_LOCAL_MACHINE), key_path, true, &key, &created)) {
    return error;
  }
  return store.SetValue(key, name, REG_SZ, std::string(text) + '\0');
}

}  // namespace

long SeedSystemRegistryValues(const Machine& machine) {
  const bool is_64bit = machine.Config().is_64bit;
  long error = kErrorSuccess;
  auto store = RegistryStore::Open(machine.RegistryDatabase(), is_64bit, &error);
  if (!store) return error;
  for (const SeedValue& value : kSeedValues) {
    error = WriteString(*store, std::string("SOFTWARE\\") + value.key, value.name, value.native);
    if (error == kErrorSuccess && is_64bit) {
      error = WriteString(*store, std::string("SOFTWARE\\") + kWow64Node + "\\" + value.key, value.name,
                          value.wow64);
    }
    if (error != kErrorSuccess) return error;
  }
  return kErrorSuccess;
}

}  // namespace platform
