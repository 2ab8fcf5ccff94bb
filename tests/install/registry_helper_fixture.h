// Tests of the registry helper: a throw-away machine, and readers and
// writers that reach the registry through the platform calls alone, so that
// the helper is checked against the registry itself.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "temp_machine.h"

namespace inktest {

// One value as the registry holds it.
struct StoredValue {
  std::string name;
  std::uint32_t type = platform::REG_NONE;
  std::string data;
  bool operator==(const StoredValue&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const StoredValue& value) {
  return out << "{\"" << value.name << "\", type " << value.type << ", \"" << value.data << "\"}";
}

// A key tree: every key by its path below the top key ("" for the top key
// itself), with its values in enumeration order.
using KeyTree = std::map<std::string, std::vector<StoredValue>>;

inline std::string DwordData(std::uint32_t number) {
  return std::string{static_cast<char>(number & 0xFF), static_cast<char>((number >> 8) & 0xFF),
                     static_cast<char>((number >> 16) & 0xFF),
                     static_cast<char>((number >> 24) & 0xFF)};
}

// Writes one value, creating its key.
inline void Store(platform::RegKey root, const std::string& key, const std::string& name,
                  std::uint32_t type, const std::string& data) {
  platform::RegKey open = 0;
  ASSERT_EQ(platform::RegCreateKeyEx(root, key.c_str(), platform::KEY_ALL_ACCESS, &open), 0) << key;
  EXPECT_EQ(platform::RegSetValueEx(open, name.c_str(), type, data.data(),
                                    static_cast<std::uint32_t>(data.size())),
            0)
      << key << " " << name;
  platform::RegCloseKey(open);
}

inline void CreateKey(platform::RegKey root, const std::string& key) {
  platform::RegKey open = 0;
  ASSERT_EQ(platform::RegCreateKeyEx(root, key.c_str(), platform::KEY_ALL_ACCESS, &open), 0) << key;
  platform::RegCloseKey(open);
}

inline bool KeyExists(platform::RegKey root, const std::string& key) {
  platform::RegKey open = 0;
  if (platform::RegOpenKeyEx(root, key.c_str(), platform::KEY_READ, &open) != 0) return false;
  platform::RegCloseKey(open);
  return true;
}

// The value `name` of `key`, or the error reading it.
inline long ReadStored(platform::RegKey root, const std::string& key, const std::string& name,
                       StoredValue* value) {
  platform::RegKey open = 0;
  if (long error = platform::RegOpenKeyEx(root, key.c_str(), platform::KEY_READ, &open)) return error;
  std::uint32_t size = 0;
  long result = platform::RegQueryValueEx(open, name.c_str(), &value->type, nullptr, &size);
  if (result == 0) {
    value->name = name;
    value->data.assign(size, '\0');
    result = platform::RegQueryValueEx(open, name.c_str(), &value->type, value->data.data(), &size);
  }
  platform::RegCloseKey(open);
  return result;
}

inline void ReadTreeInto(platform::RegKey open, const std::string& path, KeyTree* tree) {
  auto& values = (*tree)[path];
  std::vector<char> name(16384);
  for (std::uint32_t index = 0;; ++index) {
    std::uint32_t name_size = static_cast<std::uint32_t>(name.size());
    std::uint32_t data_size = 0;
    StoredValue value;
    const long result = platform::RegEnumValue(open, index, name.data(), &name_size, &value.type,
                                               nullptr, &data_size);
    if (result != 0) {
      EXPECT_EQ(result, platform::kErrorNoMoreItems);
      break;
    }
    value.name.assign(name.data(), name_size);
    value.data.assign(data_size, '\0');
    EXPECT_EQ(platform::RegQueryValueEx(open, value.name.c_str(), nullptr, value.data.data(),
                                        &data_size),
              0);
    values.push_back(std::move(value));
  }
  for (std::uint32_t index = 0;; ++index) {
    char child[256];
    std::uint32_t size = sizeof child;
    const long result = platform::RegEnumKeyEx(open, index, child, &size);
    if (result != 0) {
      EXPECT_EQ(result, platform::kErrorNoMoreItems);
      break;
    }
    const std::string child_name(child, size);
    platform::RegKey child_key = 0;
    ASSERT_EQ(platform::RegOpenKeyEx(open, child_name.c_str(), platform::KEY_READ, &child_key), 0);
    ReadTreeInto(child_key, path.empty() ? child_name : path + "\\" + child_name, tree);
    platform::RegCloseKey(child_key);
  }
}

// Every key and value below and including `key`; empty when it is missing.
inline KeyTree ReadTree(platform::RegKey root, const std::string& key) {
  KeyTree tree;
  platform::RegKey open = 0;
  if (platform::RegOpenKeyEx(root, key.c_str(), platform::KEY_READ, &open) != 0) return tree;
  ReadTreeInto(open, "", &tree);
  platform::RegCloseKey(open);
  return tree;
}

// The contents of a file of the machine, or "<missing>".
inline std::string FileText(const std::string& path) {
  std::string contents;
  if (platform::ReadWholeFile(path, contents) != 0) return "<missing>";
  return contents;
}

}  // namespace inktest
