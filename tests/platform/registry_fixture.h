// A throw-away machine with an open, empty key HKCU\Software\Test (outside
// the 32/64-bit views) for registry tests, and small readers of keys.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry.h"
#include "temp_machine.h"

namespace inktest {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(platform::RegCreateKeyEx(platform::HKEY_CURRENT_USER, "Software\\Test",
                                       platform::KEY_ALL_ACCESS, &key_),
              0);
  }
  void TearDown() override { platform::RegCloseKey(key_); }

  // Opens a subkey of the test key, creating it; 0 on failure.
  platform::RegKey Create(const char* subkey, std::uint32_t access = platform::KEY_ALL_ACCESS) {
    platform::RegKey key = 0;
    EXPECT_EQ(platform::RegCreateKeyEx(key_, subkey, access, &key), 0) << subkey;
    return key;
  }

  TempMachine temp_;
  platform::RegKey key_ = 0;
};

// The names RegEnumKeyEx gives for `key`, in order, up to its 259.
inline std::vector<std::string> SubkeyNames(platform::RegKey key) {
  std::vector<std::string> names;
  char name[256];
  for (std::uint32_t i = 0;; ++i) {
    std::uint32_t size = sizeof name;
    const long result = platform::RegEnumKeyEx(key, i, name, &size);
    if (result != 0) {
      EXPECT_EQ(result, 259);
      return names;
    }
    names.emplace_back(name, size);
  }
}

// The names RegEnumValue gives for `key`, in order, up to its 259.
inline std::vector<std::string> ValueNames(platform::RegKey key) {
  std::vector<std::string> names;
  char name[256];
  for (std::uint32_t i = 0;; ++i) {
    std::uint32_t size = sizeof name;
    const long result = platform::RegEnumValue(key, i, name, &size, nullptr, nullptr, nullptr);
    if (result != 0) {
      EXPECT_EQ(result, 259);
      return names;
    }
    names.emplace_back(name, size);
  }
}

// Whether `subkey` of `root` opens, in the view `access` asks for.
inline long OpenResult(platform::RegKey root, const char* subkey, std::uint32_t access = 0) {
  platform::RegKey key = 0;
  const long result = platform::RegOpenKeyEx(root, subkey, access | platform::KEY_READ, &key);
  if (result == 0) platform::RegCloseKey(key);
  return result;
}

}  // namespace inktest
