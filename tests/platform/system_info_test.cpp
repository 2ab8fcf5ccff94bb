#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/errors.h"
#include "platform/machine.h"
#include "platform/system_info.h"
#include "temp_machine.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kMegabyte = 1024 * 1024;

// Replaces the [system] section of the machine's machine.ini with `system`
// and makes the reopened machine current.
void RewriteSystem(const inktest::TempMachine& temp, const std::string& system) {
  std::ofstream(temp.dir() / "machine.ini", std::ios::trunc)
      << "[system]\n" << system << "[drives]\nC = fixed, drive_c\n";
  std::string error;
  auto machine = platform::Machine::Open(temp.dir(), &error);
  ASSERT_TRUE(machine) << error;
  platform::SetCurrentMachine(std::move(machine));
}

TEST(SystemInfoTest, VersionComesFromMachineIni) {
  struct Case {
    const char* system;  // [system] lines
    std::uint32_t platform_id, major, minor, build;
    const char* service_pack;
    bool extended;
    std::uint8_t product_type;
    std::uint16_t suite_mask;
  };
  const Case cases[] = {
      {"platform_id = 2\nmajor = 5\nminor = 1\nbuild = 2600\nservice_pack = Service Pack 3\n"
       "product_type = 1\nsuite_mask = 0x0300\n",
       2, 5, 1, 2600, "Service Pack 3", true, 1, 0x300},
      {"platform_id = 2\nmajor = 6\nminor = 0\nbuild = 6001\nproduct_type = 3\n"
       "suite_mask = 0x0010\n",
       2, 6, 0, 6001, "", true, 3, 0x10},
      // Before NT 5 and on Windows 98 the extended part does not exist.
      {"platform_id = 2\nmajor = 4\nminor = 0\nbuild = 1381\nservice_pack = Service Pack 6\n"
       "product_type = 1\n",
       2, 4, 0, 1381, "Service Pack 6", false, 0, 0},
      {"platform_id = 1\nmajor = 4\nminor = 10\nbuild = 2222\nservice_pack = A\n"
       "product_type = 1\nsuite_mask = 0x0100\n",
       1, 4, 10, 2222, "A", false, 0, 0},
  };
  inktest::TempMachine temp;
  for (const auto& c : cases) {
    RewriteSystem(temp, c.system);
    const platform::OsVersionInfo info = platform::GetVersionInfo();
    EXPECT_EQ(info.platform_id, c.platform_id) << c.system;
    EXPECT_EQ(info.major, c.major) << c.system;
    EXPECT_EQ(info.minor, c.minor) << c.system;
    EXPECT_EQ(info.build, c.build) << c.system;
    EXPECT_EQ(info.service_pack, c.service_pack) << c.system;
    EXPECT_EQ(info.extended, c.extended) << c.system;
    EXPECT_EQ(info.product_type, c.product_type) << c.system;
    EXPECT_EQ(info.suite_mask, c.suite_mask) << c.system;
  }
}

TEST(SystemInfoTest, BitnessLanguageNamesAndRights) {
  struct Case {
    const char* system;
    bool is_64bit, wow64;
    std::uint16_t language;
    const char* computer;
    const char* user;
    bool administrator;
  };
  const Case cases[] = {
      {"is_64bit = yes\nwow64_process = yes\nui_language = 0x0411\ncomputer_name = PC-1\n"
       "user_name = Taro\nis_administrator = yes\n",
       true, true, 0x0411, "PC-1", "Taro", true},
      {"is_64bit = yes\nwow64_process = no\nui_language = 0x0407\ncomputer_name = X\n"
       "user_name = Hans\nis_administrator = no\n",
       true, false, 0x0407, "X", "Hans", false},
      // A 32-bit system has no 32-bit-on-64-bit processes, whatever the file says.
      {"is_64bit = no\nwow64_process = yes\nui_language = 0x0409\ncomputer_name = OLD\n"
       "user_name = Guest\nis_administrator = no\n",
       false, false, 0x0409, "OLD", "Guest", false},
  };
  inktest::TempMachine temp;
  for (const auto& c : cases) {
    RewriteSystem(temp, c.system);
    EXPECT_EQ(platform::Is64BitSystem(), c.is_64bit) << c.system;
    EXPECT_EQ(platform::IsWow64Process(), c.wow64) << c.system;
    EXPECT_EQ(platform::GetSystemDefaultUILanguage(), c.language) << c.system;
    EXPECT_EQ(platform::GetComputerName(), c.computer) << c.system;
    EXPECT_EQ(platform::GetUserName(), c.user) << c.system;
    EXPECT_EQ(platform::IsUserAdministrator(), c.administrator) << c.system;
  }
}

TEST(SystemInfoTest, FreeSpaceOverrideByDrive) {
  inktest::TempMachine temp([](platform::MachineConfig& config) {
    config.drives.push_back({'D', config.drives[0].host_dir, platform::DriveKind::kFixed});
    config.free_space_mb['C'] = 1024;
  });
  struct Case {
    const char* path;
    long error;
    std::uint64_t free_bytes;
  };
  const Case cases[] = {
      {"C:\\", 0, 1024 * kMegabyte},
      {"c:\\Program Files\\Orvane", 0, 1024 * kMegabyte},
      {"", 0, 1024 * kMegabyte},            // the current directory's drive
      {"Windows", 0, 1024 * kMegabyte},     // relative to it
      {"Q:\\", platform::kErrorPathNotFound, 0},
      {"\\\\server\\share\\x", platform::kErrorPathNotFound, 0},
  };
  for (const auto& c : cases) {
    std::uint64_t free_bytes = 0;
    EXPECT_EQ(platform::GetDiskFreeSpace(c.path, free_bytes), c.error) << c.path;
    if (c.error == 0) {
      EXPECT_EQ(free_bytes, c.free_bytes) << c.path;
    }
  }

  // Without an override, D: reports what its host filesystem has.
  std::uint64_t free_bytes = 0;
  ASSERT_EQ(platform::GetDiskFreeSpace("D:\\", free_bytes), 0);
  const std::uint64_t host_free = fs::space(temp.DriveC()).available;
  const std::uint64_t tolerance = 256 * kMegabyte;  // other processes write meanwhile
  EXPECT_LT(free_bytes > host_free ? free_bytes - host_free : host_free - free_bytes, tolerance);
}

TEST(SystemInfoTest, FreeSpaceOverrideSurvivesReopenAndBadValuesAreRefused) {
  inktest::TempMachine temp([](platform::MachineConfig& config) {
    config.free_space_mb['C'] = 5;
  });
  std::string error;
  auto reopened = platform::Machine::Open(temp.dir(), &error);
  ASSERT_TRUE(reopened) << error;
  EXPECT_EQ(reopened->Config().free_space_mb, (std::map<char, std::uint64_t>{{'C', 5}}));

  for (const char* line : {"C = -1", "C = 12MB", "CD = 1", "C =", "C = 99999999999999999999"}) {
    std::ofstream(temp.dir() / "machine.ini", std::ios::trunc) << "[disk]\n" << line << "\n";
    EXPECT_EQ(platform::Machine::Open(temp.dir(), &error), nullptr) << line;
    EXPECT_NE(error.find("bad line"), std::string::npos) << line;
  }
}

}  // namespace
