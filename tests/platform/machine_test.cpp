#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/machine.h"
#include "platform/machine_config.h"
#include "temp_machine.h"

namespace {

namespace fs = std::filesystem;

TEST(MachineTest, NewMachineHasStandardDirectoriesAndConfig) {
  inktest::TempMachine temp;
  const auto& config = temp.machine().Config();
  EXPECT_EQ(config.major, 10u);
  EXPECT_TRUE(config.is_64bit);
  ASSERT_EQ(config.drives.size(), 1u);
  EXPECT_EQ(config.drives[0].letter, 'C');
  for (const char* dir : {"Windows/System32", "Windows/SysWOW64", "Program Files",
                          "Program Files (x86)", "Users/User/AppData/Local/Temp"}) {
    EXPECT_TRUE(fs::is_directory(temp.DriveC() / dir)) << dir;
  }
}

TEST(MachineTest, ConfigSurvivesReopen) {
  inktest::TempMachine temp([](platform::MachineConfig& config) {
    config.major = 5;
    config.minor = 1;
    config.is_64bit = false;
    config.ui_language = 0x0411;
    config.drives.push_back({'D', "/tmp/medium dir", platform::DriveKind::kCdRom});
  });
  std::string error;
  auto reopened = platform::Machine::Open(temp.dir(), &error);
  ASSERT_TRUE(reopened) << error;
  const auto& config = reopened->Config();
  EXPECT_EQ(config.major, 5u);
  EXPECT_EQ(config.minor, 1u);
  EXPECT_FALSE(config.is_64bit);
  EXPECT_EQ(config.ui_language, 0x0411);
  ASSERT_NE(reopened->FindDrive('d'), nullptr);
  EXPECT_EQ(reopened->FindDrive('d')->kind, platform::DriveKind::kCdRom);
  EXPECT_EQ(reopened->FindDrive('D')->host_dir, "/tmp/medium dir");
  EXPECT_EQ(reopened->FindDrive('C')->host_dir, temp.DriveC());
}

TEST(MachineTest, DirectoryThatIsNotAMachineIsRefused) {
  inktest::TempMachine temp;
  const fs::path other = temp.dir().parent_path() / "not-a-machine";
  fs::create_directories(other);
  std::ofstream(other / "file.txt") << "x";
  std::string error;
  EXPECT_EQ(platform::Machine::Open(other, &error), nullptr);
  EXPECT_NE(error.find("not a machine"), std::string::npos);
}

TEST(MachineTest, MalformedConfigIsReportedWithItsLine) {
  inktest::TempMachine temp;
  std::ofstream(temp.dir() / "machine.ini", std::ios::app) << "Q = floppy, x\n";
  std::string error;
  EXPECT_EQ(platform::Machine::Open(temp.dir(), &error), nullptr);
  EXPECT_NE(error.find("bad line: Q = floppy, x"), std::string::npos) << error;
}

TEST(MachineTest, LanguageAndCodePageFromLocale) {
  struct Case {
    const char* locale;
    std::uint16_t language;
    std::uint32_t code_page;
  };
  const Case cases[] = {
      {"ja_JP.UTF-8", 0x0411, 932}, {"de_DE.UTF-8", 0x0407, 1252},
      {"en_GB", 0x0809, 1252},      {"zh_TW.Big5", 0x0404, 950},
      {"zh_CN.UTF-8", 0x0804, 936}, {"ru_RU", 0x0419, 1251},
      {"C.UTF-8", 0x0409, 1252},    {"", 0x0409, 1252},
      {"dex_XX", 0x0409, 1252},
  };
  for (const auto& c : cases) {
    const auto language = platform::LanguageFromLocale(c.locale);
    EXPECT_EQ(language, c.language) << c.locale;
    EXPECT_EQ(platform::CodePageOfLanguage(language), c.code_page) << c.locale;
  }
}

}  // namespace
