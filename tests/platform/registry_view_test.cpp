#include <gtest/gtest.h>

#include "platform/registry.h"
#include "platform/registry_store.h"
#include "registry_fixture.h"

namespace {

using inktest::OpenResult;
using namespace platform;

// Where a key written as HKLM\Software\Vendor lands, seen from the 64-bit view.
enum class Lands { k64BitView, k32BitView };

TEST(RegistryViewTest, SoftwareIsRedirectedForThe32BitView) {
  struct Case {
    const char* what;
    bool is_64bit;
    bool wow64_process;
    std::uint32_t access;
    Lands lands;
    long plain_delete;  // RegDeleteKey, which has no flags, in the process's view
  };
  const Case cases[] = {
      {"32-bit installer on 64-bit", true, true, 0, Lands::k32BitView, 0},
      {"32-bit installer asking for 64-bit", true, true, KEY_WOW64_64KEY, Lands::k64BitView, 2},
      {"64-bit process", true, false, 0, Lands::k64BitView, 0},
      {"64-bit process asking for 32-bit", true, false, KEY_WOW64_32KEY, Lands::k32BitView, 2},
      {"32-bit system", false, false, 0, Lands::k64BitView, 0},
      {"32-bit system ignores the flag", false, false, KEY_WOW64_32KEY, Lands::k64BitView, 0},
  };
  for (const auto& c : cases) {
    inktest::TempMachine temp([&](MachineConfig& config) {
      config.is_64bit = c.is_64bit;
      config.wow64_process = c.wow64_process;
    });
    RegKey key = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "Software\\Vendor", KEY_ALL_ACCESS | c.access,
                             &key),
              0)
        << c.what;
    RegCloseKey(key);
    const bool in_32 = c.lands == Lands::k32BitView;
    EXPECT_EQ(OpenResult(HKEY_LOCAL_MACHINE, "SOFTWARE\\WOW6432Node\\Vendor", KEY_WOW64_64KEY),
              in_32 ? 0 : 2)
        << c.what;
    EXPECT_EQ(OpenResult(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vendor", KEY_WOW64_64KEY), in_32 ? 2 : 0)
        << c.what;
    EXPECT_EQ(OpenResult(HKEY_LOCAL_MACHINE, "software\\vendor", c.access), 0) << c.what;
    EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, "Software\\Vendor"), c.plain_delete) << c.what;
  }
}

TEST(RegistryViewTest, OnlyHklmSoftwareIsRedirected) {
  inktest::TempMachine temp;  // a 32-bit installer on 64-bit Windows
  const auto create = [](RegKey root, const char* subkey) {
    RegKey key = 0;
    const long result = RegCreateKeyEx(root, subkey, KEY_ALL_ACCESS, &key);
    RegCloseKey(key);
    return result;
  };
  ASSERT_EQ(create(HKEY_CURRENT_USER, "Software\\Vendor"), 0);
  ASSERT_EQ(create(HKEY_LOCAL_MACHINE, "SYSTEM\\Vendor"), 0);
  ASSERT_EQ(create(HKEY_LOCAL_MACHINE, "Software\\Wow6432Node\\Named"), 0);
  struct Case {
    RegKey root;
    const char* subkey;
    long result;
  };
  const Case cases[] = {
      {HKEY_CURRENT_USER, "Software\\WOW6432Node\\Vendor", 2},
      {HKEY_CURRENT_USER, "Software\\Vendor", 0},
      {HKEY_LOCAL_MACHINE, "SYSTEM\\Vendor", 0},
      {HKEY_LOCAL_MACHINE, "Software\\Wow6432Node\\Named", 0},  // not redirected twice
      {HKEY_LOCAL_MACHINE, "Software\\Named", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(OpenResult(c.root, c.subkey), c.result) << c.subkey;

  // A key opened inside the 32-bit view stays in it.
  RegKey software = 0;
  ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software", KEY_ALL_ACCESS, &software), 0);
  EXPECT_EQ(OpenResult(software, "Named"), 0);
  RegCloseKey(software);

  RegKey key = 0;
  EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software", KEY_WOW64_32KEY | KEY_WOW64_64KEY, &key),
            87);
}

TEST(RegistryViewTest, OnlyA64BitSystemHasTheWow64Node) {
  inktest::TempMachine temp;
  for (const bool is_64bit : {true, false}) {
    const auto file = temp.dir() / (is_64bit ? "64.db" : "32.db");
    long error = 0;
    auto store = RegistryStore::Open(file, is_64bit, &error);
    ASSERT_NE(store, nullptr) << error;
    KeyId key = 0;
    EXPECT_EQ(store->OpenKey(store->RootKey(HKEY_LOCAL_MACHINE), {"SOFTWARE", "WOW6432Node"}, &key),
              is_64bit ? 0 : 2);
  }
}

}  // namespace
