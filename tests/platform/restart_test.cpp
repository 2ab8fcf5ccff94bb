#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "temp_machine.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr const char* kSessionManager = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr const char* kPending = "PendingFileRenameOperations";

// The raw journal value; empty when it is missing.
std::string JournalData() {
  platform::RegKey key = 0;
  if (platform::RegOpenKeyEx(platform::HKEY_LOCAL_MACHINE, kSessionManager, platform::KEY_READ, &key) != 0) {
    return {};
  }
  std::uint32_t type = 0, size = 0;
  std::string data;
  if (platform::RegQueryValueEx(key, kPending, &type, nullptr, &size) == 0) {
    EXPECT_EQ(type, platform::REG_MULTI_SZ);
    data.resize(size);
    platform::RegQueryValueEx(key, kPending, &type, data.data(), &size);
  }
  platform::RegCloseKey(key);
  return data;
}

std::string HostContents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(RestartTest, JournalIsKeptAsWindowsKeepsIt) {
  inktest::TempMachine temp;
  temp.machine().SetCurrentDirectory("C:\\Windows");
  ASSERT_EQ(platform::MoveFileAtRestart("System32\\new.dll", "C:\\Windows\\System32\\old.dll"), 0);
  ASSERT_EQ(platform::MoveFileAtRestart("C:\\Temp\\gone.tmp", ""), 0);
  // Source, target ("!": replace), source, empty target (delete), end of list.
  const std::string expected =
      "\\??\\C:\\Windows\\System32\\new.dll\0"
      "!\\??\\C:\\Windows\\System32\\old.dll\0"
      "\\??\\C:\\Temp\\gone.tmp\0"
      "\0"
      "\0"s;
  EXPECT_EQ(JournalData(), expected);
}

// A replacement whose target is in use, then a deletion of the replaced
// file's old copy: both wait for the restart and happen in their order.
TEST(RestartTest, RebootReplacesAndDeletesInOrderAndClearsTheJournal) {
  inktest::TempMachine temp;
  temp.WriteHostFile("drive_c/Windows/System32/driver.dll", "old");
  temp.WriteHostFile("drive_c/Windows/Temp/NEW1234.tmp", "new");
  temp.WriteHostFile("drive_c/Windows/Temp/stale.tmp", "stale");
  platform::MarkInUse("C:\\Windows\\System32\\driver.dll", true);
  ASSERT_EQ(platform::MoveFileAtRestart("C:\\Windows\\Temp\\NEW1234.tmp", "C:\\Windows\\System32\\driver.dll"), 0);
  ASSERT_EQ(platform::MoveFileAtRestart("C:\\Windows\\Temp\\stale.tmp", ""), 0);
  // A later operation on the same file sees the result of the earlier one.
  ASSERT_EQ(platform::MoveFileAtRestart("C:\\Windows\\System32\\driver.dll", "C:\\Windows\\System32\\final.dll"), 0);
  ASSERT_EQ(platform::MoveFileAtRestart("C:\\Windows\\Temp\\missing.tmp", ""), 0);
  EXPECT_EQ(HostContents(temp.DriveC() / "Windows/System32/driver.dll"), "old");  // nothing happens before

  EXPECT_EQ(platform::RunPendingOperations(), 0);

  EXPECT_FALSE(fs::exists(temp.DriveC() / "Windows/Temp/NEW1234.tmp"));
  EXPECT_FALSE(fs::exists(temp.DriveC() / "Windows/Temp/stale.tmp"));
  EXPECT_FALSE(fs::exists(temp.DriveC() / "Windows/System32/driver.dll"));
  EXPECT_EQ(HostContents(temp.DriveC() / "Windows/System32/final.dll"), "new");
  EXPECT_EQ(JournalData(), "");
  EXPECT_EQ(platform::RunPendingOperations(), 0);  // an empty journal is no error
}

TEST(RestartTest, FailedOperationIsReportedAndDropped) {
  inktest::TempMachine temp;
  temp.WriteHostFile("drive_c/a.txt", "a");
  temp.WriteHostFile("drive_c/b.txt", "b");
  ASSERT_EQ(platform::MoveFileAtRestart("C:\\missing.txt", "C:\\x.txt"), 0);
  ASSERT_EQ(platform::MoveFileAtRestart("C:\\a.txt", "C:\\b.txt"), 0);
  EXPECT_EQ(platform::RunPendingOperations(), platform::kErrorFileNotFound);
  EXPECT_EQ(HostContents(temp.DriveC() / "b.txt"), "a");  // the later operation still ran
  EXPECT_EQ(JournalData(), "");
}

}  // namespace
