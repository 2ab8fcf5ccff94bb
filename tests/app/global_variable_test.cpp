#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/global_variable.h"
#include "install/registry.h"
#include "medium_machine.h"
#include "platform/machine.h"

namespace {

TEST(GlobalVariableTest, InitWritesTheEnvironmentBlockLast) {
  inktest::MediumMachine medium;
  medium.WriteMedium(std::string(inktest::kProgramInfo) + "[OS_DEFINE]\n0X00020A00.64 = W10_64\n");
  auto modules = std::make_unique<inktest::FakeModules>();
  inktest::FakeModules& fake = *modules;
  CGlobalVariable environment(std::move(modules));
  ASSERT_TRUE(environment.Init());
  EXPECT_EQ(fake.loaded_section, "INSTALLER_FILE_INFO");
  EXPECT_EQ(environment.InstallerFileName(), "setup.exe");
  EXPECT_EQ(environment.ApplicationName(), "setup");
  EXPECT_EQ(platform::CurrentMachine().CurrentDirectory(), "C:\\Medium");
  const std::vector<std::string> block = {
      " m_cstrDataFile file name is [C:\\Medium\\setup.dat]\n",
      " Configure file Name is [C:\\Medium\\data\\ovinst.ovi] \n",
      " String file Name is [C:\\Medium\\data\\String\\Lang_EN.str] \n",
      " Source Directroy = C:\\Medium\n",
      " Destination Directroy = C:\\Program Files (x86)\\Maker\\Product\n",
      " Inf Directroy = C:\\Windows\\Inf\n",
      " Language Abbreviation = EN\n",
      " Original Language Abbreviation = EN\n",
      " Language directory = EN\n",
      " Original Language directory = EN\n",
      " OS Directroy = W10_64\n",
      " OS String = W10_64\n",
      " System Directroy = C:\\Windows\\System32\n",
      " Windows Directroy = C:\\Windows\n",
      " Language ID = 0x0009\n",
      " Program files directory = C:\\Program Files (x86)\n",
      " Current Installing registry root key = Software\\Maker\\Product\\Installing\n",
      " Current Installed registry root key = Software\\Maker\\Product\\Installed\n",
      " Temporary directory = C:\\Users\\User\\AppData\\Local\\Temp\n",
  };
  const auto lines = medium.LogLines();
  ASSERT_GE(lines.size(), block.size());
  EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<std::ptrdiff_t>(block.size()), lines.end()), block);
  EXPECT_TRUE(medium.Logged("OS Define String = W10_64"));
  EXPECT_TRUE(medium.Logged("OS Directory = W10_64"));
}

TEST(GlobalVariableTest, WhatMakesInitFail) {
  struct Case {
    const char* what;
    const char* data;  // null: no data file
    bool built;
    const char* logged;
  };
  const Case cases[] = {
      {"no data file", nullptr, false, "Initialize Profiles fail!!"},
      {"no model", "[PROGRAM_INFO]\nMFG = Maker\nVIDPID = V\n", false, "Initialize Model Variable fail!!"},
      {"no model, main program only", "[PROGRAM_INFO]\nMFG = Maker\nVIDPID = V\n[OPTION]\nMAIN_ONLY = 1\n", true,
       "Initialize Model Variable fail!!"},
      {"no program name", "[PROGRAM_INFO]\nMFG = Maker\nMDL = M\nVIDPID = V\n", true,
       " Current Installed registry root key = Software\\Maker\\Orvane Printer Installer Program\\Installed\n"},
  };
  for (const Case& c : cases) {
    inktest::MediumMachine medium;
    medium.WriteMedium(c.data ? c.data : "");
    if (!c.data) std::filesystem::remove(medium.MediumDir() / "setup.dat");
    CGlobalVariable environment;
    EXPECT_EQ(environment.Init(), c.built) << c.what;
    EXPECT_TRUE(medium.Logged(c.logged)) << c.what;
  }
}

TEST(GlobalVariableTest, VersionFromTheDataFileElseFromAutorun) {
  struct Case {
    const char* data;
    const char* autorun;  // null: no Autorun.inf
    const char* version;
  };
  const Case cases[] = {
      {"[VERSION]\nVERSION = 3.1\n", "[INFOMATION]\nVERSION = 9.9\n", "3.1"},
      {"", "[INFOMATION]\nVERSION = 9.9\n", "9.9"},
      {"", nullptr, ""},
  };
  for (const Case& c : cases) {
    inktest::MediumMachine medium;
    medium.WriteMedium(std::string(inktest::kProgramInfo) + c.data);
    if (c.autorun) medium.Write("Autorun.inf", c.autorun);
    CGlobalVariable environment;
    ASSERT_TRUE(environment.Init());
    EXPECT_EQ(environment.Version(), c.version) << c.data;
  }
}

TEST(GlobalVariableTest, SystemDirectoriesOfATerminalServer) {
  struct Case {
    std::uint8_t product_type;
    std::uint16_t suite_mask;
    const char* system_root;  // in the registry, or null
    const char* windows;
  };
  const Case cases[] = {
      {3, 0x10, "D:\\WINNT", "D:\\WINNT"},
      {3, 0x10, nullptr, "C:\\Windows"},
      {3, 0x00, "D:\\WINNT", "C:\\Windows"},
      {1, 0x10, "D:\\WINNT", "C:\\Windows"},
  };
  for (const Case& c : cases) {
    inktest::MediumMachine medium([&c](platform::MachineConfig& config) {
      config.product_type = c.product_type;
      config.suite_mask = c.suite_mask;
    });
    const char* key = "Software\\Microsoft\\Windows NT\\CurrentVersion";
    if (c.system_root) {
      ASSERT_EQ(CRegistry::SetValue(key, "SystemRoot", c.system_root), 0);
    } else {
      ASSERT_EQ(CRegistry::DeleteValue(key, "SystemRoot"), 0);
    }
    medium.WriteMedium(inktest::kProgramInfo);
    CGlobalVariable environment;
    ASSERT_TRUE(environment.Init());
    EXPECT_EQ(environment.SystemDirs().WindowsDirectory(), c.windows);
    EXPECT_EQ(environment.SystemDirs().InfDirectory(), std::string(c.windows) + "\\Inf");
    EXPECT_EQ(environment.SystemDirs().SystemDirectory(), "C:\\Windows\\System32");
    EXPECT_TRUE(environment.SystemDirs().Is64Bit());
  }
}

}  // namespace
