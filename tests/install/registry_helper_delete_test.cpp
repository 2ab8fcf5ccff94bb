#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cctype>
#include <string>
#include <vector>

#include "install/registry.h"
#include "registry_helper_fixture.h"

namespace {

using namespace inktest;
using namespace platform;

const RegSecurity kDenyDelete{{{"Everyone", false, REG_DELETE}, {"Everyone", true, KEY_READ}}};

void Secure(RegKey root, const std::string& key, const RegSecurity& security) {
  RegKey open = 0;
  ASSERT_EQ(RegOpenKeyEx(root, key.c_str(), WRITE_DAC, &open), 0) << key;
  EXPECT_EQ(RegSetKeySecurity(open, security), 0);
  RegCloseKey(open);
}

// An access list as text, one "allow|deny trustee mask" entry a line.
std::string Describe(const RegSecurity& security) {
  std::string text;
  for (const auto& entry : security.entries) {
    text += (entry.allow ? "allow " : "deny ") + entry.trustee + " " + std::to_string(entry.mask) + "\n";
  }
  return text;
}

std::string AccessList(RegKey root, const std::string& key) {
  RegKey open = 0;
  RegSecurity security;
  EXPECT_EQ(RegOpenKeyEx(root, key.c_str(), READ_CONTROL, &open), 0) << key;
  EXPECT_EQ(RegGetKeySecurity(open, &security), 0);
  RegCloseKey(open);
  return Describe(security);
}

TEST(RegistryHelperDeleteKey, OnlyThisKeyFollowsTheNtRule) {
  struct Case {
    const char* what;
    bool has_subkey;
    bool locked;
    long result;
    bool remains;
  };
  const Case cases[] = {
      {"plain leaf", false, false, 0, false},
      {"locked leaf: access repaired, then deleted", false, true, 0, false},
      {"key with a subkey", true, false, 5, true},
      {"locked key with a subkey: access list left alone", true, true, 5, true},
  };
  for (const auto& c : cases) {
    TempMachine temp;
    const std::string key = "Software\\Ink\\Target";
    Store(HKEY_LOCAL_MACHINE, key, "v", REG_SZ, "x");
    if (c.has_subkey) CreateKey(HKEY_LOCAL_MACHINE, key + "\\Child");
    if (c.locked) Secure(HKEY_LOCAL_MACHINE, key, kDenyDelete);
    const std::string list_before = c.remains ? AccessList(HKEY_LOCAL_MACHINE, key) : "";

    EXPECT_EQ(CRegistry::DeleteKey(key.c_str(), true, HKEY_LOCAL_MACHINE), c.result) << c.what;
    EXPECT_EQ(KeyExists(HKEY_LOCAL_MACHINE, key), c.remains) << c.what;
    if (c.remains) {
      EXPECT_EQ(AccessList(HKEY_LOCAL_MACHINE, key), list_before) << c.what;
      EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, key + "\\Child")) << c.what;
    }
    // Only this key: its empty parents stay.
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Ink")) << c.what;
  }
}

TEST(RegistryHelperDeleteKey, TreeWithItsEmptyParents) {
  struct Case {
    const char* what;
    std::vector<std::string> also_present;  // keys created beside the tree
    std::vector<std::string> remaining;     // of Software\A, Software\A\B, Software
  };
  const Case cases[] = {
      {"both parents left empty", {}, {"Software"}},
      {"A keeps a value", {"Software\\A=value"}, {"Software", "Software\\A"}},
      {"B keeps a sibling", {"Software\\A\\B\\Sibling"}, {"Software", "Software\\A", "Software\\A\\B"}},
      {"A keeps a sibling of B", {"Software\\A\\Other"}, {"Software", "Software\\A"}},
  };
  for (const auto& c : cases) {
    TempMachine temp;
    Store(HKEY_CURRENT_USER, "Software\\A\\B\\C", "v", REG_SZ, "x");
    Store(HKEY_CURRENT_USER, "Software\\A\\B\\C\\D\\E", "n", REG_DWORD, DwordData(1));
    CreateKey(HKEY_CURRENT_USER, "Software\\A\\B\\C\\D2");
    for (const auto& extra : c.also_present) {
      const auto equals = extra.find('=');
      if (equals == std::string::npos) {
        CreateKey(HKEY_CURRENT_USER, extra);
      } else {
        Store(HKEY_CURRENT_USER, extra.substr(0, equals), "kept", REG_SZ, extra.substr(equals + 1));
      }
    }

    EXPECT_EQ(CRegistry::DeleteKey("Software\\A\\B\\C", false, HKEY_CURRENT_USER), 0) << c.what;
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\A\\B\\C")) << c.what;
    std::vector<std::string> remaining;
    for (const char* key : {"Software", "Software\\A", "Software\\A\\B"}) {
      if (KeyExists(HKEY_CURRENT_USER, key)) remaining.push_back(key);
    }
    EXPECT_EQ(remaining, c.remaining) << c.what;
  }
}

TEST(RegistryHelperDeleteKey, NeverDeletesAFirstLevelKey) {
  TempMachine temp;
  Store(HKEY_CURRENT_USER, "Lone\\Child", "v", REG_SZ, "x");
  EXPECT_EQ(CRegistry::DeleteKey("Lone\\Child", false, HKEY_CURRENT_USER), 0);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Lone\\Child"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Lone"));
}

TEST(RegistryHelperDeleteKey, RepairsLockedKeysInsideATree) {
  TempMachine temp;
  const std::string top = "Software\\Ink\\Tree";
  Store(HKEY_LOCAL_MACHINE, top + "\\Locked\\Leaf", "v", REG_SZ, "x");
  Secure(HKEY_LOCAL_MACHINE, top + "\\Locked\\Leaf", kDenyDelete);
  Secure(HKEY_LOCAL_MACHINE, top + "\\Locked", kDenyDelete);
  CreateKey(HKEY_LOCAL_MACHINE, "Software\\Ink\\Sibling");

  EXPECT_EQ(CRegistry::DeleteKey((top + "\\").c_str(), false, HKEY_LOCAL_MACHINE), 0);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, top));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Ink\\Sibling"));
}

TEST(RegistryHelperDeleteKey, BadArgumentsAndMissingKeys) {
  TempMachine temp;
  CreateKey(HKEY_CURRENT_USER, "Software\\Ink");
  struct Case {
    const char* key;
    bool only_this_key;
    long result;
  };
  const Case cases[] = {
      {nullptr, true, 87},
      {"", false, 87},   // the root itself
      {"\\", false, 87},
      {"Software\\Ink\\Missing", true, 2},
      {"Software\\Ink\\Missing", false, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CRegistry::DeleteKey(c.key, c.only_this_key, HKEY_CURRENT_USER), c.result)
        << (c.key ? c.key : "(null)");
  }
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\Ink"));
}

// Makes every deletion of a key named `name` fail inside the registry
// database, after the access check has passed.
void MakeUndeletable(const std::string& name) {
  sqlite3* db = nullptr;
  const std::string file = CurrentMachine().RegistryDatabase().string();
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  std::string folded = name;
  for (auto& c : folded) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::string sql = "CREATE TRIGGER undeletable BEFORE DELETE ON reg_keys WHEN old.folded = "
                          "CAST('" + folded + "' AS BLOB) BEGIN SELECT RAISE(ABORT, 'stuck'); END";
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
      << sqlite3_errmsg(db);
  sqlite3_close(db);
}

TEST(RegistryHelperDeleteKey, PutsTheAccessListBackWhenTheRetryFails) {
  TempMachine temp;
  const std::string key = "Software\\Ink\\Stuck";
  Store(HKEY_LOCAL_MACHINE, key, "v", REG_SZ, "x");
  Secure(HKEY_LOCAL_MACHINE, key, kDenyDelete);
  MakeUndeletable("Stuck");

  for (const bool only_this_key : {true, false}) {
    EXPECT_NE(CRegistry::DeleteKey(key.c_str(), only_this_key, HKEY_LOCAL_MACHINE), 0);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, key));
    EXPECT_EQ(AccessList(HKEY_LOCAL_MACHINE, key), Describe(kDenyDelete)) << only_this_key;
  }
}

}  // namespace
