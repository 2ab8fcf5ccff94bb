#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/create_directories.h"
#include "install/install_history.h"
#include "install/registry.h"
#include "platform/files.h"
#include "temp_machine.h"

namespace {

constexpr const char* kHistory = "Software\\Maker\\Product\\Installing\\InstHistory";

// The entries of one list of the history: the counter, then "<prefix>0"...
std::vector<std::string> Entries(const char* counter, const char* prefix) {
  std::uint32_t count = 0;
  if (CRegistry::GetValue(kHistory, counter, &count) != 0) return {};
  std::vector<std::string> entries;
  for (std::uint32_t i = 0; i < count; ++i) {
    char text[260] = {};
    const std::string name = prefix + std::to_string(i);
    EXPECT_EQ(CRegistry::GetValue(kHistory, name.c_str(), text, platform::HKEY_LOCAL_MACHINE, sizeof text), 0);
    entries.push_back(text);
  }
  return entries;
}

TEST(InstallHistoryTest, EachListCountsItsEntries) {
  inktest::TempMachine temp([](platform::MachineConfig& config) { config.is_64bit = false; });
  for (const char* file : {"C:\\A\\a.dll", "C:\\Windows\\System32\\b.dll", "C:\\A\\c.txt"}) {
    EXPECT_TRUE(install::AddHistory(file, install::kHistoryFile, kHistory));
  }
  EXPECT_TRUE(install::AddHistory("C:\\A\\", install::kHistoryDirectory, kHistory));
  EXPECT_TRUE(install::AddHistory("HKEY_LOCAL_MACHINE\\Software\\A", install::kHistoryKey, kHistory));
  EXPECT_TRUE(install::AddHistory("HKEY_CURRENT_USER\\Software\\A\\v", install::kHistoryValue, kHistory));
  EXPECT_TRUE(install::AddHistory("C:\\Menu\\x.lnk", install::kHistoryShortcut, kHistory));
  EXPECT_TRUE(install::AddHistory("C:\\A\\Install", install::kHistoryDestinationDirectory, kHistory));
  EXPECT_FALSE(install::AddHistory("C:\\x", 6, kHistory));
  EXPECT_FALSE(install::AddHistory("C:\\x", -1, kHistory));
  EXPECT_FALSE(install::AddHistory("C:\\x", install::kHistoryFile, ""));
  EXPECT_EQ(Entries("NumOfFiles", "File"),
            (std::vector<std::string>{"C:\\A\\a.dll", "C:\\Windows\\System32\\b.dll", "C:\\A\\c.txt"}));
  EXPECT_EQ(Entries("NumOfDirs", "Dir"), std::vector<std::string>{"C:\\A\\"});
  EXPECT_EQ(Entries("NumOfKeys", "Key"), std::vector<std::string>{"HKEY_LOCAL_MACHINE\\Software\\A"});
  EXPECT_EQ(Entries("NumOfValues", "Value"), std::vector<std::string>{"HKEY_CURRENT_USER\\Software\\A\\v"});
  EXPECT_EQ(Entries("NumOfShortcuts", "Shortcut"), std::vector<std::string>{"C:\\Menu\\x.lnk"});
  EXPECT_EQ(Entries("NumOfDestDirs", "DestDir"), std::vector<std::string>{"C:\\A\\Install"});
}

TEST(InstallHistoryTest, A32BitProcessOn64BitWindowsRecordsWhereItsSystemFilesWent) {
  inktest::TempMachine temp;
  EXPECT_TRUE(install::AddHistory("C:\\Windows\\system32\\x.dll", install::kHistoryFile, kHistory));
  EXPECT_TRUE(install::AddHistory("C:\\Windows\\system32\\", install::kHistoryDirectory, kHistory));
  EXPECT_EQ(Entries("NumOfFiles", "File"), std::vector<std::string>{"C:\\WINDOWS\\SYSWOW64\\X.DLL"});
  EXPECT_EQ(Entries("NumOfDirs", "Dir"), std::vector<std::string>{"C:\\Windows\\system32\\"});
}

TEST(CreateDirectoriesTest, OnlyTheDirectoriesCreatedAreRecorded) {
  inktest::TempMachine temp;
  EXPECT_TRUE(install::CreateDirectories("C:\\Program Files\\Maker\\Product\\Bin", kHistory));
  EXPECT_TRUE(platform::DirectoryExists("C:\\Program Files\\Maker\\Product\\Bin"));
  EXPECT_TRUE(install::CreateDirectories("C:\\Program Files\\Maker\\Other\\", kHistory));
  EXPECT_TRUE(install::CreateDirectories("C:\\Unrecorded", ""));
  EXPECT_TRUE(platform::DirectoryExists("C:\\Unrecorded"));
  EXPECT_EQ(Entries("NumOfDirs", "Dir"),
            (std::vector<std::string>{"C:\\Program Files\\Maker\\", "C:\\Program Files\\Maker\\Product\\",
                                      "C:\\Program Files\\Maker\\Product\\Bin\\", "C:\\Program Files\\Maker\\Other\\"}));
  temp.WriteHostFile("drive_c/Blocked", "a file");
  EXPECT_FALSE(install::CreateDirectories("C:\\Blocked\\Sub", kHistory));
  EXPECT_FALSE(install::CreateDirectories("Q:\\Nowhere\\Sub", kHistory));
}

}  // namespace
