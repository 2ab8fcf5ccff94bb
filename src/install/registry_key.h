// The pieces the registry helper is built from: an open key that closes
// itself, whole values and subkey names read from a key, the data of string
// and number values, and key paths.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace install {

// An open registry key, closed when the object goes.
class OpenKey {
 public:
  OpenKey() = default;
  ~OpenKey() { Close(); }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  // Opens `subkey` of `root` with `access`, closing the key held before.
  long Open(platform::RegKey root, const char* subkey, std::uint32_t access);
  // The same, creating the key and the keys on its way when missing.
  long Create(platform::RegKey root, const char* subkey, std::uint32_t access);
  void Close();

  bool IsOpen() const { return key_ != 0; }
  platform::RegKey Get() const { return key_; }

 private:
  platform::RegKey key_ = 0;
};

// One value of a key, whole.
struct RegistryValue {
  std::string name;  // "" for the unnamed default value
  std::uint32_t type = platform::REG_NONE;
  std::string data;
};

// Reads the `index`-th value of `key` with its whole name and data, however
// long. 259 past the last value.
long ReadValueAt(platform::RegKey key, std::uint32_t index, RegistryValue* value);
// Reads the value `name` of `key` whole: type and data.
long ReadValue(platform::RegKey key, const char* name, std::uint32_t* type, std::string* data);
// The names of the subkeys of `key`, in enumeration order.
long ReadSubkeyNames(platform::RegKey key, std::vector<std::string>* names);

// The text a string value holds: its data up to the first NUL, so that
// data stored with or without a terminating NUL reads alike.
std::string_view StringText(std::string_view data);
// The four little-endian bytes of a number value, and back; data shorter
// than four bytes reads as if zero-filled.
std::string NumberData(std::uint32_t number);
std::uint32_t DataNumber(std::string_view data);

// `key` and `name` joined by "\": just `name` when `key` is empty, and no
// second "\" when `key` already ends in one.
std::string JoinKeyPath(std::string_view key, std::string_view name);
// `path` without the "\" characters it ends in.
std::string_view WithoutTrailingSeparators(std::string_view path);

}  // namespace install
