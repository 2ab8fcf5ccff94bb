#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/registry.h"
#include "registry_fixture.h"

namespace {

using inktest::OpenResult;
using inktest::RegistryTest;
using inktest::SubkeyNames;
using namespace platform;

TEST(RegistryRootsTest, NewMachineHasRootsAndFirstLevelKeys) {
  inktest::TempMachine temp;
  struct Case {
    RegKey root;
    const char* subkey;
    long result;
  };
  const Case cases[] = {
      {HKEY_CLASSES_ROOT, "", 0},
      {HKEY_CURRENT_USER, "Software", 0},
      {HKEY_LOCAL_MACHINE, "SOFTWARE", 0},
      {HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0},
      {HKEY_USERS, nullptr, 0},
      {HKEY_CURRENT_CONFIG, "", 0},
      {HKEY_LOCAL_MACHINE, "Hardware\\Missing", 2},
      {HKEY_PERFORMANCE_DATA, "", 6},
      {HKEY_DYN_DATA, "", 6},
      {0x1234, "", 6},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OpenResult(c.root, c.subkey, KEY_WOW64_64KEY), c.result)
        << std::hex << c.root << " " << (c.subkey ? c.subkey : "(null)");
  }
  // Roots are never closed.
  EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), 0);
  EXPECT_EQ(OpenResult(HKEY_LOCAL_MACHINE, "SYSTEM"), 0);
}

TEST_F(RegistryTest, CreateMakesMissingKeysAndTellsWhetherTheKeyIsNew) {
  RegKey key = 0;
  bool created = false;
  ASSERT_EQ(RegCreateKeyEx(key_, "Vendor\\Product\\InstHistory", KEY_ALL_ACCESS, &key, &created),
            0);
  EXPECT_TRUE(created);
  RegCloseKey(key);
  ASSERT_EQ(RegCreateKeyEx(key_, "VENDOR\\product\\", KEY_ALL_ACCESS, &key, &created), 0);
  EXPECT_FALSE(created);
  // The intermediate keys exist, keeping the case they were created with.
  EXPECT_EQ(SubkeyNames(key_), std::vector<std::string>{"Vendor"});
  EXPECT_EQ(SubkeyNames(key), std::vector<std::string>{"InstHistory"});
  RegCloseKey(key);
}

TEST_F(RegistryTest, SubkeyPathsAreChecked) {
  const std::string longest(255, 'k'), too_long(256, 'k');
  struct Case {
    std::string subkey;
    long result;
  };
  const Case cases[] = {
      {"A\\B", 0},
      {"A\\B\\", 0},
      {longest, 0},
      {too_long, 87},
      {"\\A", 87},
      {"A\\\\B", 87},
      {"A\\\\", 87},
  };
  for (const auto& c : cases) {
    RegKey key = 0;
    EXPECT_EQ(RegCreateKeyEx(key_, c.subkey.c_str(), KEY_READ, &key), c.result) << c.subkey;
    EXPECT_EQ(key != 0, c.result == 0) << c.subkey;
    RegCloseKey(key);
  }
}

TEST_F(RegistryTest, SubkeysEnumerateInCaseInsensitiveOrder) {
  // Names are compared upper-cased, as the system does: "_" sorts after
  // the letters.
  for (const char* name : {"beta", "_under", "Alpha", "gamma", "ALPHA2", "alpha1"}) {
    RegCloseKey(Create(name));
  }
  EXPECT_EQ(SubkeyNames(key_),
            (std::vector<std::string>{"Alpha", "alpha1", "ALPHA2", "beta", "gamma", "_under"}));

  char name[6];
  std::uint32_t size = sizeof name;
  EXPECT_EQ(RegEnumKeyEx(key_, 1, name, &size), 234);  // "alpha1" needs 7 with its NUL
  EXPECT_EQ(size, 7u);
  size = sizeof name;
  EXPECT_EQ(RegEnumKeyEx(key_, 0, name, &size), 0);
  EXPECT_STREQ(name, "Alpha");
  EXPECT_EQ(size, 5u);
}

TEST_F(RegistryTest, KeyInfoCountsAndMeasures) {
  RegKeyInfo info;
  ASSERT_EQ(RegQueryInfoKey(key_, &info), 0);
  EXPECT_EQ(info.subkeys + info.values + info.max_subkey_len + info.max_value_name_len +
                info.max_value_len,
            0u);

  RegCloseKey(Create("short"));
  RegCloseKey(Create("a much longer name"));
  const char text[] = "twenty bytes of text";
  const std::uint32_t number = 1;
  ASSERT_EQ(RegSetValueEx(key_, "Value_Name", REG_SZ, text, 20), 0);
  ASSERT_EQ(RegSetValueEx(key_, "n", REG_DWORD, &number, 4), 0);
  ASSERT_EQ(RegSetValueEx(key_, nullptr, REG_BINARY, nullptr, 0), 0);
  ASSERT_EQ(RegQueryInfoKey(key_, &info), 0);
  EXPECT_EQ(info.subkeys, 2u);
  EXPECT_EQ(info.max_subkey_len, 18u);
  EXPECT_EQ(info.values, 3u);
  EXPECT_EQ(info.max_value_name_len, 10u);
  EXPECT_EQ(info.max_value_len, 20u);
}

TEST_F(RegistryTest, HandlesNeedTheRightsOfEachOperation) {
  RegCloseKey(Create("sub"));
  const RegKey read = Create("", KEY_READ);
  const RegKey set = Create("", KEY_SET_VALUE);
  const RegKey none = Create("", 0);
  const std::uint32_t number = 1;
  std::uint32_t size = sizeof number;
  char name[16];
  RegKey out = 0;
  RegKeyInfo info;
  RegSecurity security;
  struct Case {
    const char* what;
    long result;
    long expected;
  };
  const Case cases[] = {
      {"set with KEY_READ", RegSetValueEx(read, "v", REG_DWORD, &number, 4), 5},
      {"set with KEY_SET_VALUE", RegSetValueEx(set, "v", REG_DWORD, &number, 4), 0},
      {"query with KEY_SET_VALUE", RegQueryValueEx(set, "v", nullptr, nullptr, &size), 5},
      {"query with KEY_READ", RegQueryValueEx(read, "v", nullptr, nullptr, &size), 0},
      {"info with KEY_SET_VALUE", RegQueryInfoKey(set, &info), 5},
      {"enum keys with KEY_SET_VALUE", RegEnumKeyEx(set, 0, name, &(size = 16)), 5},
      {"enum keys with KEY_READ", RegEnumKeyEx(read, 0, name, &(size = 16)), 0},
      {"delete value with KEY_READ", RegDeleteValue(read, "v"), 5},
      {"create new subkey with KEY_READ", RegCreateKeyEx(read, "new", KEY_READ, &out), 5},
      {"open subkey with no rights", RegOpenKeyEx(none, "sub", KEY_READ, &out), 0},
      {"close it", RegCloseKey(out), 0},
      {"create existing subkey with KEY_READ", RegCreateKeyEx(read, "sub", KEY_READ, &out), 0},
      {"close that", RegCloseKey(out), 0},
      {"get security without READ_CONTROL", RegGetKeySecurity(set, &security), 5},
      {"set security without WRITE_DAC", RegSetKeySecurity(read, security), 5},
      {"close twice", RegCloseKey(out), 6},
      {"use closed", RegQueryInfoKey(out, &info), 6},
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;
  for (RegKey key : {read, set, none}) RegCloseKey(key);
}

TEST_F(RegistryTest, HandleOfADeletedKeyGives1018) {
  const RegKey doomed = Create("doomed");
  const std::uint32_t number = 1;
  ASSERT_EQ(RegSetValueEx(doomed, "v", REG_DWORD, &number, 4), 0);
  ASSERT_EQ(RegDeleteKey(key_, "DOOMED"), 0);
  std::uint32_t size = 16;
  char name[16];
  RegKey out = 0;
  RegKeyInfo info;
  RegSecurity security;
  struct Case {
    const char* what;
    long result;
  };
  const Case cases[] = {
      {"query", RegQueryValueEx(doomed, "v", nullptr, nullptr, &size)},
      {"set", RegSetValueEx(doomed, "v", REG_DWORD, &number, 4)},
      {"delete value", RegDeleteValue(doomed, "v")},
      {"info", RegQueryInfoKey(doomed, &info)},
      {"enum keys", RegEnumKeyEx(doomed, 0, name, &(size = 16))},
      {"enum values", RegEnumValue(doomed, 0, name, &(size = 16), nullptr, nullptr, nullptr)},
      {"open subkey", RegOpenKeyEx(doomed, "x", KEY_READ, &out)},
      {"create subkey", RegCreateKeyEx(doomed, "x", KEY_ALL_ACCESS, &out)},
      {"open itself", RegOpenKeyEx(doomed, "", KEY_READ, &out)},
      {"get security", RegGetKeySecurity(doomed, &security)},
      {"set security", RegSetKeySecurity(doomed, security)},
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, 1018) << c.what;
  EXPECT_EQ(RegCloseKey(doomed), 0);
  // A key created again under the old name is a new, empty key.
  const RegKey again = Create("doomed");
  EXPECT_EQ(RegQueryValueEx(again, "v", nullptr, nullptr, &size), 2);
  RegCloseKey(again);
}

TEST_F(RegistryTest, KeysWithSubkeysCannotBeDeleted) {
  RegCloseKey(Create("Parent\\Child"));
  const std::uint32_t number = 1;
  const RegKey parent = Create("Parent");
  ASSERT_EQ(RegSetValueEx(parent, "v", REG_DWORD, &number, 4), 0);
  RegCloseKey(parent);
  struct Case {
    const char* subkey;
    long result;
  };
  const Case steps[] = {
      {"Parent", 5},         // it still has a subkey
      {"Parent\\Child", 0},
      {"parent\\child", 2},  // already gone
      {"Parent", 0},         // its values go with it
      {"Parent", 2},
  };
  for (const auto& step : steps) {
    EXPECT_EQ(RegDeleteKey(key_, step.subkey), step.result) << step.subkey;
  }
  EXPECT_TRUE(SubkeyNames(key_).empty());
  const RegKey reborn = Create("Parent");
  EXPECT_TRUE(inktest::ValueNames(reborn).empty());
  RegCloseKey(reborn);
  EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, ""), 5);
  EXPECT_EQ(RegDeleteKey(key_, nullptr), 87);
}

TEST(RegistryMachineTest, EachMachineHasItsOwnRegistry) {
  inktest::TempMachine first;
  RegKey key = 0;
  ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\OnlyFirst", KEY_ALL_ACCESS, &key), 0);
  const std::filesystem::path first_dir = first.dir();

  inktest::TempMachine second;
  EXPECT_EQ(OpenResult(HKEY_CURRENT_USER, "Software\\OnlyFirst"), 2);
  // A handle of another machine means nothing here.
  EXPECT_EQ(RegCloseKey(key), 6);

  std::string error;
  platform::SetCurrentMachine(platform::Machine::Open(first_dir, &error));
  EXPECT_EQ(OpenResult(HKEY_CURRENT_USER, "Software\\OnlyFirst"), 0);
}

TEST_F(RegistryTest, ThreadsWriteTheSameKeyAtOnce) {
  constexpr int kThreads = 4;
  constexpr int kValuesEach = 100;
  std::vector<std::thread> threads;
  std::vector<long> failures(kThreads, 0);
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &failures] {
      RegKey key = 0;
      if (RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Test", KEY_SET_VALUE, &key) != 0) {
        failures[t] = -1;
        return;
      }
      for (int i = 0; i < kValuesEach; ++i) {
        const std::string name = std::to_string(t) + "." + std::to_string(i);
        if (RegSetValueEx(key, name.c_str(), REG_DWORD, &i, 4) != 0) ++failures[t];
      }
      RegCloseKey(key);
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<long>(kThreads, 0));
  RegKeyInfo info;
  ASSERT_EQ(RegQueryInfoKey(key_, &info), 0);
  EXPECT_EQ(info.values, static_cast<std::uint32_t>(kThreads * kValuesEach));
}

}  // namespace
