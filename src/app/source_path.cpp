#include "app/source_path.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/errors.h"
#include "platform/registry.h"

namespace app {

namespace {

constexpr const char* kSetupKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup";
constexpr const char* kSourcePath = "SourcePath";
constexpr const char* kOriginal = "SourcePath_ORG";

// Closes a key on every path.
class KeyHolder {
 public:
  ~KeyHolder() {
    if (key_ != 0) platform::RegCloseKey(key_);
  }
  platform::RegKey* Out() { return &key_; }
  platform::RegKey Get() const { return key_; }

 private:
  platform::RegKey key_ = 0;
};

bool IsStringType(std::uint32_t type) { return type == platform::REG_SZ || type == platform::REG_EXPAND_SZ; }

// The whole value `name` of `key`, whatever its size. A string keeps its
// text only, without the NUL that ends it.
long ReadWholeValue(platform::RegKey key, const char* name, std::uint32_t& type, std::string& data) {
  std::uint32_t size = 0;
  if (const long error = platform::RegQueryValueEx(key, name, &type, nullptr, &size)) return error;
  data.assign(size, '\0');
  if (const long error = platform::RegQueryValueEx(key, name, &type, data.data(), &size)) return error;
  data.resize(size);
  if (IsStringType(type)) data.resize(std::strlen(data.c_str()));
  return platform::kErrorSuccess;
}

}  // namespace

long RestoreSourcePath() {
  // The setup key of the system itself: a 32-bit process asks for the
  // 64-bit view, which a 32-bit system ignores.
  KeyHolder key;
  if (const long error = platform::RegOpenKeyEx(platform::HKEY_LOCAL_MACHINE, kSetupKey,
                                                platform::KEY_ALL_ACCESS | platform::KEY_WOW64_64KEY, key.Out())) {
    return error;
  }
  std::uint32_t type = platform::REG_NONE;
  std::string original;
  const long read = ReadWholeValue(key.Get(), kOriginal, type, original);
  if (read == platform::kErrorSuccess) {
    if (const long error = platform::RegSetValueEx(key.Get(), kSourcePath, type, original.data(),
                                                   static_cast<std::uint32_t>(original.size()))) {
      return error;
    }
  } else if (read != platform::kErrorFileNotFound) {
    return read;
  }
  return platform::RegDeleteValue(key.Get(), kOriginal);
}

}  // namespace app
