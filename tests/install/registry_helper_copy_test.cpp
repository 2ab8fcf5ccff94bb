#include <gtest/gtest.h>

#include <string>

#include "install/registry.h"
#include "registry_helper_fixture.h"

namespace {

using namespace inktest;
using namespace platform;
using namespace std::string_literals;

// A source tree with every kind of value the helper meets.
void StoreSource(RegKey root, const std::string& key) {
  Store(root, key, "", REG_SZ, "the default");
  Store(root, key, "text", REG_SZ, "C:\\Program Files\\Ink");
  Store(root, key, "long", REG_SZ, std::string(20000, 'L'));
  Store(root, key, "number", REG_DWORD, DwordData(0xDEADBEEF));
  Store(root, key, "bytes", REG_BINARY, "\x01\x02"s);
  Store(root, key, "list", REG_MULTI_SZ, "a\0b\0\0"s);
  Store(root, key + "\\Sub", std::string(300, 'n'), REG_SZ, "long name");
  Store(root, key + "\\Sub\\Deeper", "n", REG_DWORD, DwordData(1));
  CreateKey(root, key + "\\Empty");
}

// `tree` with only the values the helper copies, and without keys that
// hold none anywhere below them.
KeyTree CopiedPart(KeyTree tree) {
  for (auto& [path, values] : tree) {
    std::erase_if(values, [](const StoredValue& v) { return v.type != REG_SZ && v.type != REG_DWORD; });
  }
  std::erase_if(tree, [&](const auto& entry) {
    for (const auto& [path, values] : tree) {
      const bool below = path == entry.first ||
                         path.rfind(entry.first.empty() ? "" : entry.first + "\\", 0) == 0;
      if (below && !values.empty()) return false;
    }
    return true;
  });
  return tree;
}

TEST(RegistryHelperCopyKey, CopiesStringsAndNumbersOfTheWholeTree) {
  TempMachine temp;
  StoreSource(HKEY_LOCAL_MACHINE, "Software\\Ink\\Source");
  const KeyTree source = ReadTree(HKEY_LOCAL_MACHINE, "Software\\Ink\\Source");

  struct Case {
    const char* target;
    RegKey target_root;
  };
  const Case cases[] = {
      {"Software\\Ink\\Target", HKEY_LOCAL_MACHINE},
      {"Software\\Elsewhere\\Target", HKEY_CURRENT_USER},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CRegistry::CopyKey("Software\\Ink\\Source", c.target, true, HKEY_LOCAL_MACHINE,
                                 c.target_root),
              0)
        << c.target;
    EXPECT_EQ(ReadTree(c.target_root, c.target), CopiedPart(source)) << c.target;
  }
  EXPECT_EQ(ReadTree(HKEY_LOCAL_MACHINE, "Software\\Ink\\Source"), source);
}

TEST(RegistryHelperCopyKey, WithoutSubkeysCopiesTheValuesOnly) {
  TempMachine temp;
  StoreSource(HKEY_CURRENT_USER, "Source");
  EXPECT_EQ(CRegistry::CopyKey("Source", "Target", false, HKEY_CURRENT_USER, HKEY_CURRENT_USER), 0);
  KeyTree expected = CopiedPart(ReadTree(HKEY_CURRENT_USER, "Source"));
  std::erase_if(expected, [](const auto& entry) { return !entry.first.empty(); });
  EXPECT_EQ(ReadTree(HKEY_CURRENT_USER, "Target"), expected);
}

TEST(RegistryHelperCopyKey, EdgeCases) {
  TempMachine temp;
  CreateKey(HKEY_CURRENT_USER, "Software\\Empty\\Below");
  Store(HKEY_CURRENT_USER, "Software\\Full", "v", REG_SZ, "x");
  struct Case {
    const char* what;
    const char* source;
    const char* target;
    bool with_subkeys;
    long result;
    bool target_exists;
  };
  const Case cases[] = {
      {"empty source creates nothing", "Software\\Empty", "Software\\Copy1", true, 0, false},
      {"missing source", "Software\\Missing", "Software\\Copy2", true, 2, false},
      {"into itself", "Software\\Full", "Software\\Full", true, 87, true},
      {"into its own subtree", "Software\\Full", "software\\full\\Inner", true, 87, false},
      {"values only may go below", "Software\\Full", "Software\\Full\\Inner", false, 0, true},
      {"a mere name prefix is elsewhere", "Software\\Full", "Software\\FullCopy", true, 0, true},
      {"null source", nullptr, "Software\\Copy3", true, 87, false},
      {"null target", "Software\\Full", nullptr, true, 87, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CRegistry::CopyKey(c.source, c.target, c.with_subkeys, HKEY_CURRENT_USER,
                                 HKEY_CURRENT_USER),
              c.result)
        << c.what;
    if (c.target) {
      EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, c.target), c.target_exists) << c.what;
    }
  }
}

}  // namespace
