#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/registry.h"
#include "platform/registry_path.h"
#include "registry_fixture.h"

namespace {

using inktest::RegistryTest;
using namespace platform;
using namespace std::string_literals;

// Reads a value whole: its type and bytes, or the error.
long ReadValue(RegKey key, const char* name, std::uint32_t* type, std::string* data) {
  std::uint32_t size = 0;
  if (long result = RegQueryValueEx(key, name, type, nullptr, &size)) return result;
  data->assign(size, '\0');
  return RegQueryValueEx(key, name, type, data->data(), &size);
}

TEST_F(RegistryTest, ValuesRoundTripByteForByte) {
  struct Case {
    const char* name;
    std::uint32_t type;
    std::string data;
  };
  const Case cases[] = {
      {"sz with NUL", REG_SZ, "C:\\Program Files\\Ink\0"s},
      {"sz without NUL", REG_SZ, "C:\\Program Files\\Ink"s},
      {"expand", REG_EXPAND_SZ, "%SystemRoot%\\ink.dll\0"s},
      {"multi", REG_MULTI_SZ, "one\0two\0\0"s},
      {"dword", REG_DWORD, "\x0a\x00\x00\x80"s},
      {"binary", REG_BINARY, "\x00\xff\x00\x7f\x80\r\n"s},
      {"empty binary", REG_BINARY, ""s},
      {"empty sz", REG_SZ, ""s},
      {"code page \xe9\xe8", REG_SZ, "\x82\xa0\x82\xa2\0"s},  // bytes, not UTF-8
      {"", REG_SZ, "default\0"s},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(RegSetValueEx(key_, c.name, c.type, c.data.data(),
                            static_cast<std::uint32_t>(c.data.size())),
              0)
        << c.name;
  }
  for (const auto& c : cases) {
    std::uint32_t type = 0;
    std::string data;
    EXPECT_EQ(ReadValue(key_, c.name, &type, &data), 0) << c.name;
    EXPECT_EQ(type, c.type) << c.name;
    EXPECT_EQ(data, c.data) << c.name;
  }
}

TEST_F(RegistryTest, DefaultValueIsNullOrEmptyName) {
  const char text[] = "by null";
  ASSERT_EQ(RegSetValueEx(key_, nullptr, REG_SZ, text, sizeof text), 0);
  std::uint32_t type = 0;
  std::string data;
  ASSERT_EQ(ReadValue(key_, "", &type, &data), 0);
  EXPECT_EQ(data, std::string(text, sizeof text));
  EXPECT_EQ(inktest::ValueNames(key_), std::vector<std::string>{""});
  EXPECT_EQ(RegDeleteValue(key_, ""), 0);
  EXPECT_EQ(RegQueryValueEx(key_, nullptr, nullptr, nullptr, nullptr), 2);
}

TEST_F(RegistryTest, ValueNamesIgnoreCaseAndKeepTheFirstSpelling) {
  const std::uint32_t one = 1, two = 2;
  ASSERT_EQ(RegSetValueEx(key_, "Dest_Dir", REG_DWORD, &one, 4), 0);
  ASSERT_EQ(RegSetValueEx(key_, "DEST_DIR", REG_DWORD, &two, 4), 0);
  std::uint32_t read = 0, size = sizeof read;
  EXPECT_EQ(RegQueryValueEx(key_, "dest_dir", nullptr, &read, &size), 0);
  EXPECT_EQ(read, 2u);
  EXPECT_EQ(inktest::ValueNames(key_), std::vector<std::string>{"Dest_Dir"});
}

TEST_F(RegistryTest, QueryGivesTheNeededSizeWhenTheBufferIsTooSmall) {
  const std::string stored = "0123456789";
  ASSERT_EQ(RegSetValueEx(key_, "v", REG_BINARY, stored.data(), 10), 0);
  struct Case {
    std::uint32_t buffer_size;
    bool with_buffer;
    long result;
    std::uint32_t size_after;
    bool copied;
  };
  const Case cases[] = {
      // buffer  with_buffer  result  size_after  copied
      {0,        true,        234,    10,         false},
      {9,        true,        234,    10,         false},
      {10,       true,        0,      10,         true},
      {64,       true,        0,      10,         true},
      {0,        false,       0,      10,         false},  // size only
  };
  for (const auto& c : cases) {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    std::uint32_t size = c.buffer_size, type = 0;
    EXPECT_EQ(RegQueryValueEx(key_, "v", &type, c.with_buffer ? buffer : nullptr, &size),
              c.result)
        << c.buffer_size;
    EXPECT_EQ(size, c.size_after) << c.buffer_size;
    EXPECT_EQ(type, REG_BINARY) << c.buffer_size;
    EXPECT_EQ(std::string(buffer, 10), c.copied ? stored : std::string(10, '#')) << c.buffer_size;
    EXPECT_EQ(buffer[10], '#') << "no byte past the value is written";
  }
}

TEST_F(RegistryTest, ValueErrors) {
  const std::uint32_t number = 7;
  ASSERT_EQ(RegSetValueEx(key_, "present", REG_DWORD, &number, 4), 0);
  std::uint32_t size = 4;
  char buffer[4];
  const std::string long_name(kMaxValueNameLength + 1, 'n');
  struct Case {
    const char* what;
    long result;
    long expected;
  };
  const Case cases[] = {
      {"query missing", RegQueryValueEx(key_, "absent", nullptr, buffer, &size), 2},
      {"delete missing", RegDeleteValue(key_, "absent"), 2},
      {"query data without size", RegQueryValueEx(key_, "present", nullptr, buffer, nullptr), 87},
      {"set size without data", RegSetValueEx(key_, "x", REG_BINARY, nullptr, 4), 87},
      {"set name too long", RegSetValueEx(key_, long_name.c_str(), REG_DWORD, &number, 4), 87},
      {"query bad handle", RegQueryValueEx(0x1234, "present", nullptr, nullptr, &size), 6},
      {"delete present", RegDeleteValue(key_, "PRESENT"), 0},
      {"query deleted", RegQueryValueEx(key_, "present", nullptr, nullptr, &size), 2},
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;
}

TEST_F(RegistryTest, ValuesEnumerateInCreationOrder) {
  const std::uint32_t number = 1;
  for (const char* name : {"zeta", "Alpha", "mid", "alpha", "beta"}) {
    ASSERT_EQ(RegSetValueEx(key_, name, REG_DWORD, &number, 4), 0);
  }
  EXPECT_EQ(inktest::ValueNames(key_), (std::vector<std::string>{"zeta", "Alpha", "mid", "beta"}));
  // A value deleted and written again moves to the end.
  ASSERT_EQ(RegDeleteValue(key_, "zeta"), 0);
  ASSERT_EQ(RegSetValueEx(key_, "Zeta", REG_DWORD, &number, 4), 0);
  EXPECT_EQ(inktest::ValueNames(key_), (std::vector<std::string>{"Alpha", "mid", "beta", "Zeta"}));
}

TEST_F(RegistryTest, EnumValueReportsSmallBuffers) {
  const char data[] = "twelve bytes";
  ASSERT_EQ(RegSetValueEx(key_, "Eleven_Char", REG_SZ, data, 12), 0);
  struct Case {
    std::uint32_t name_size;
    std::uint32_t data_size;
    long result;
    std::uint32_t name_size_after;
    std::uint32_t data_size_after;
  };
  const Case cases[] = {
      // name  data  result  name_after  data_after
      {12,     12,   0,      11,         12},
      {11,     12,   234,    12,         12},  // no room for the NUL
      {0,      12,   234,    12,         12},
      {12,     11,   234,    11,         12},
  };
  for (const auto& c : cases) {
    char name[32], buffer[32];
    std::uint32_t name_size = c.name_size, data_size = c.data_size, type = 0;
    EXPECT_EQ(RegEnumValue(key_, 0, name, &name_size, &type, buffer, &data_size), c.result)
        << c.name_size << "/" << c.data_size;
    EXPECT_EQ(name_size, c.name_size_after) << c.name_size << "/" << c.data_size;
    EXPECT_EQ(data_size, c.data_size_after) << c.name_size << "/" << c.data_size;
  }
  char name[32];
  std::uint32_t name_size = sizeof name;
  EXPECT_EQ(RegEnumValue(key_, 1, name, &name_size, nullptr, nullptr, nullptr), 259);
}

}  // namespace
