#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry.h"
#include "registry_fixture.h"

namespace {

using inktest::RegistryTest;
using namespace platform;

TEST(RegistrySecurityTest, AccessListsDecideWhetherAKeyMayBeDeleted) {
  const RegAccessEntry deny_everyone{"Everyone", false, REG_DELETE};
  const RegAccessEntry allow_everyone{"Everyone", true, KEY_ALL_ACCESS};
  const RegAccessEntry allow_admins{"Administrators", true, KEY_ALL_ACCESS};
  const RegAccessEntry deny_admins{"administrators", false, REG_DELETE};
  const RegAccessEntry allow_user{"User", true, REG_DELETE};
  const RegAccessEntry read_only{"Everyone", true, KEY_READ};
  struct Case {
    const char* what;
    std::vector<RegAccessEntry> entries;
    bool administrator;
    long result;
  };
  const Case cases[] = {
      {"never secured", {}, true, 0},
      {"deny to Everyone", {deny_everyone}, true, 5},
      {"deny before allow", {deny_everyone, allow_everyone}, true, 5},
      {"allow before deny", {allow_everyone, deny_everyone}, true, 0},
      {"nothing grants delete", {read_only}, true, 5},
      {"allow to the user", {read_only, allow_user}, false, 0},
      {"allow to Administrators, user is one", {allow_admins}, true, 0},
      {"allow to Administrators, user is not", {allow_admins}, false, 5},
      {"deny to Administrators, user is not", {deny_admins, allow_everyone}, false, 0},
      {"deny to Administrators, user is one", {deny_admins, allow_everyone}, true, 5},
  };
  for (const auto& c : cases) {
    inktest::TempMachine temp(
        [&](MachineConfig& config) { config.is_administrator = c.administrator; });
    RegKey key = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Locked", KEY_ALL_ACCESS, &key), 0);
    ASSERT_EQ(RegSetKeySecurity(key, RegSecurity{c.entries}), 0) << c.what;
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "Software\\Locked"), c.result) << c.what;
    RegCloseKey(key);
  }
}

TEST_F(RegistryTest, SettingSecurityReplacesTheList) {
  const RegKey key = Create("Locked");
  const RegSecurity denying{{{"Everyone", false, REG_DELETE}, {"User", true, KEY_READ}}};
  ASSERT_EQ(RegSetKeySecurity(key, denying), 0);
  EXPECT_EQ(RegDeleteKey(key_, "Locked"), 5);

  // What a setup program does when a deletion is refused: give everyone
  // full access, then delete again.
  const RegSecurity open_to_all{{{"Everyone", true, KEY_ALL_ACCESS}}};
  ASSERT_EQ(RegSetKeySecurity(key, open_to_all), 0);
  RegSecurity read;
  ASSERT_EQ(RegGetKeySecurity(key, &read), 0);
  ASSERT_EQ(read.entries.size(), 1u);
  EXPECT_EQ(read.entries[0].trustee, "Everyone");
  EXPECT_TRUE(read.entries[0].allow);
  EXPECT_EQ(read.entries[0].mask, static_cast<std::uint32_t>(KEY_ALL_ACCESS));
  EXPECT_EQ(RegDeleteKey(key_, "Locked"), 0);
  RegCloseKey(key);
}

}  // namespace
