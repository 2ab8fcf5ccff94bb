#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "install/registry.h"
#include "registry_helper_fixture.h"

namespace {

using namespace inktest;
using namespace platform;
using namespace std::string_literals;

constexpr const char* kKey = "Software\\Ink\\Values";

TEST(RegistryHelperGetValue, TextFitsOnlyWithItsNul) {
  TempMachine temp;
  const std::string long_text(10000, 'x');
  Store(HKEY_LOCAL_MACHINE, kKey, "ten", REG_SZ, "0123456789");
  Store(HKEY_LOCAL_MACHINE, kKey, "with nul", REG_SZ, "abc\0"s);
  Store(HKEY_LOCAL_MACHINE, kKey, "long", REG_SZ, long_text);
  Store(HKEY_LOCAL_MACHINE, kKey, "", REG_SZ, "default");
  Store(HKEY_LOCAL_MACHINE, kKey, "number", REG_DWORD, DwordData(7));
  Store(HKEY_LOCAL_MACHINE, kKey, "expand", REG_EXPAND_SZ, "%TEMP%\0"s);
  struct Case {
    const char* key;
    const char* name;
    std::size_t size;
    long result;
    std::string text;  // what the buffer holds afterwards
  };
  const Case cases[] = {
      {kKey, "ten", 11, 0, "0123456789"},
      {kKey, "ten", 10, 122, "untouched"},
      {kKey, "ten", 5, 122, "untouched"},
      {kKey, "ten", 0, 122, "untouched"},
      {kKey, "with nul", 4, 0, "abc"},
      {kKey, "long", 10001, 0, long_text},
      {kKey, "long", 10000, 122, "untouched"},
      {kKey, "", 100, 0, "default"},
      {kKey, nullptr, 100, 0, "default"},
      {kKey, "number", 100, 87, "untouched"},
      {kKey, "expand", 100, 87, "untouched"},
      {kKey, "missing", 100, 2, "untouched"},
      {"Software\\Ink\\Missing", "ten", 100, 2, "untouched"},
      {nullptr, "ten", 100, 87, "untouched"},
  };
  for (const auto& c : cases) {
    std::string buffer(20000, '\0');
    std::strcpy(buffer.data(), "untouched");
    EXPECT_EQ(CRegistry::GetValue(c.key, c.name, buffer.data(), HKEY_LOCAL_MACHINE, c.size),
              c.result)
        << (c.name ? c.name : "(null)") << " size " << c.size;
    EXPECT_EQ(std::string(buffer.c_str()), c.text) << (c.name ? c.name : "(null)") << " size " << c.size;
  }
  EXPECT_EQ(CRegistry::GetValue(kKey, "ten", nullptr, HKEY_LOCAL_MACHINE, 100), 87);
}

TEST(RegistryHelperGetValue, NumberMustBeADword) {
  TempMachine temp;
  Store(HKEY_CURRENT_USER, kKey, "n", REG_DWORD, DwordData(0x80000001));
  Store(HKEY_CURRENT_USER, kKey, "text", REG_SZ, "12");
  Store(HKEY_CURRENT_USER, kKey, "short", REG_DWORD, "\x01\x02"s);
  struct Case {
    const char* name;
    long result;
    std::uint32_t value;
  };
  const Case cases[] = {
      {"n", 0, 0x80000001},
      {"text", 87, 99},
      {"short", 13, 99},
      {"missing", 2, 99},
  };
  for (const auto& c : cases) {
    std::uint32_t value = 99;
    EXPECT_EQ(CRegistry::GetValue(kKey, c.name, &value, HKEY_CURRENT_USER), c.result) << c.name;
    EXPECT_EQ(value, c.value) << c.name;
  }
  EXPECT_EQ(CRegistry::GetValue(kKey, "n", static_cast<std::uint32_t*>(nullptr), HKEY_CURRENT_USER),
            87);
}

TEST(RegistryHelperSetValue, WritesTextWithoutItsNulAndCreatesTheKey) {
  TempMachine temp;
  struct Case {
    const char* key;
    const char* name;
    const char* text;
    long result;
  };
  const Case cases[] = {
      {"Software\\Ink\\New\\Deep", "Dest_Dir", "C:\\Program Files\\Ink", 0},
      {"Software\\Ink\\New\\Deep", "Empty", "", 0},
      {nullptr, "n", "t", 87},
      {"", "n", "t", 87},
      {"Software\\Ink\\Bad", nullptr, "t", 87},
      {"Software\\Ink\\Bad", "", "t", 87},
      {"Software\\Ink\\Bad", "n", nullptr, 87},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CRegistry::SetValue(c.key, c.name, c.text, HKEY_LOCAL_MACHINE), c.result)
        << (c.name ? c.name : "(null)");
    if (c.result != 0) continue;
    StoredValue stored;
    ASSERT_EQ(ReadStored(HKEY_LOCAL_MACHINE, c.key, c.name, &stored), 0);
    EXPECT_EQ(stored, (StoredValue{c.name, REG_SZ, c.text}));
  }
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Ink\\Bad"));
}

TEST(RegistryHelperSetValue, WritesNumbersAsDwords) {
  TempMachine temp;
  for (const std::uint32_t number : {0u, 31u, 0xFFFFFFFFu}) {
    ASSERT_EQ(CRegistry::SetValue(kKey, "n", number, HKEY_CURRENT_USER), 0);
    StoredValue stored;
    ASSERT_EQ(ReadStored(HKEY_CURRENT_USER, kKey, "n", &stored), 0);
    EXPECT_EQ(stored, (StoredValue{"n", REG_DWORD, DwordData(number)}));
    std::uint32_t read = 0;
    EXPECT_EQ(CRegistry::GetValue(kKey, "n", &read, HKEY_CURRENT_USER), 0);
    EXPECT_EQ(read, number);
  }
  EXPECT_EQ(CRegistry::SetValue(kKey, "", 1u, HKEY_CURRENT_USER), 87);
  EXPECT_EQ(CRegistry::SetValue(nullptr, "n", 1u, HKEY_CURRENT_USER), 87);
}

TEST(RegistryHelperDeleteValue, RemovesOneValue) {
  TempMachine temp;
  Store(HKEY_LOCAL_MACHINE, kKey, "gone", REG_SZ, "x");
  Store(HKEY_LOCAL_MACHINE, kKey, "kept", REG_SZ, "y");
  Store(HKEY_LOCAL_MACHINE, kKey, "", REG_SZ, "default");
  struct Case {
    const char* key;
    const char* name;
    long result;
  };
  const Case cases[] = {
      {kKey, "gone", 0},
      {kKey, "gone", 2},
      {kKey, "", 0},
      {"Software\\Ink\\Missing", "kept", 2},
      {nullptr, "kept", 87},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CRegistry::DeleteValue(c.key, c.name, HKEY_LOCAL_MACHINE), c.result) << c.name;
  }
  EXPECT_EQ(ReadTree(HKEY_LOCAL_MACHINE, kKey),
            (KeyTree{{"", {StoredValue{"kept", REG_SZ, "y"}}}}));
}

}  // namespace
