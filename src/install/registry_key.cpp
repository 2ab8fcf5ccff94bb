#include "install/registry_key.h"

#include "platform/errors.h"
#include "platform/registry_path.h"

namespace install {

namespace {

// Fetches the data of the value `name` into `data`, growing it while the
// value grows under us; `*size` holds the size to try first.
long FetchData(platform::RegKey key, const char* name, std::uint32_t* type, std::string* data,
               std::uint32_t* size) {
  long result = platform::kErrorMoreData;
  while (result == platform::kErrorMoreData) {
    data->resize(*size);
    result = platform::RegQueryValueEx(key, name, type, data->data(), size);
  }
  if (result == platform::kErrorSuccess) data->resize(*size);
  return result;
}

}  // namespace

long OpenKey::Open(platform::RegKey root, const char* subkey, std::uint32_t access) {
  Close();
  return platform::RegOpenKeyEx(root, subkey, access, &key_);
}

long OpenKey::Create(platform::RegKey root, const char* subkey, std::uint32_t access) {
  Close();
  return platform::RegCreateKeyEx(root, subkey, access, &key_);
}

void OpenKey::Close() {
  if (key_ != 0) platform::RegCloseKey(key_);
  key_ = 0;
}

long ReadValueAt(platform::RegKey key, std::uint32_t index, RegistryValue* value) {
  std::string name(platform::kMaxValueNameLength + 1, '\0');
  auto name_size = static_cast<std::uint32_t>(name.size());
  std::uint32_t data_size = 0;
  if (long error = platform::RegEnumValue(key, index, name.data(), &name_size, &value->type,
                                          nullptr, &data_size)) {
    return error;
  }
  value->name.assign(name.data(), name_size);
  return FetchData(key, value->name.c_str(), &value->type, &value->data, &data_size);
}

long ReadValue(platform::RegKey key, const char* name, std::uint32_t* type, std::string* data) {
  std::uint32_t size = 0;
  if (long error = platform::RegQueryValueEx(key, name, type, nullptr, &size)) return error;
  return FetchData(key, name, type, data, &size);
}

long ReadSubkeyNames(platform::RegKey key, std::vector<std::string>* names) {
  names->clear();
  char name[platform::kMaxKeyNameLength + 1];
  for (std::uint32_t index = 0;; ++index) {
    std::uint32_t size = sizeof name;
    const long result = platform::RegEnumKeyEx(key, index, name, &size);
    if (result == platform::kErrorNoMoreItems) return platform::kErrorSuccess;
    if (result != platform::kErrorSuccess) return result;
    names->emplace_back(name, size);
  }
}

std::string_view StringText(std::string_view data) {
  return data.substr(0, data.find('\0'));
}

std::string NumberData(std::uint32_t number) {
  std::string data(4, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) {
    data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
  }
  return data;
}

std::uint32_t DataNumber(std::string_view data) {
  std::uint32_t number = 0;
  for (std::size_t i = 0; i < data.size() && i < 4; ++i) {
    number |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
  }
  return number;
}

std::string JoinKeyPath(std::string_view key, std::string_view name) {
  std::string path(key);
  if (!path.empty() && path.back() != '\\') path += '\\';
  path += name;
  return path;
}

std::string_view WithoutTrailingSeparators(std::string_view path) {
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return path;
}

}  // namespace install
