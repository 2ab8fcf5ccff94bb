#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "app/directory_removal.h"
#include "app/file_checks.h"
#include "app/pending_install.h"
#include "app/port_check.h"
#include "app/source_path.h"
#include "medium_machine.h"
#include "platform/device_installs.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/module_file.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/spooler_ports.h"
#include "temp_machine.h"
#include "virtual_clock.h"

namespace {

using std::chrono::milliseconds;

TEST(RemoveDirectoriesTest, EmptyDirectoriesGoUpToTheFirstThatIsNot) {
  inktest::TempMachine machine;
  machine.WriteHostFile("drive_c/Data/keep.txt", "x");
  ASSERT_EQ(platform::CreateDirectory("C:\\Data\\Old"), 0);
  ASSERT_EQ(platform::CreateDirectory("C:\\Data\\Old\\Tmp"), 0);
  EXPECT_TRUE(app::RemoveDirectories("C:\\Data\\Old\\Tmp"));
  EXPECT_FALSE(platform::FileExists("C:\\Data\\Old"));
  EXPECT_TRUE(platform::FileExists("C:\\Data\\keep.txt"));
  EXPECT_TRUE(app::RemoveDirectories("C:\\Data"));  // not empty: nothing happens
  EXPECT_TRUE(platform::FileExists("C:\\Data"));
  ASSERT_EQ(platform::CreateDirectory("C:\\Alone"), 0);
  EXPECT_TRUE(app::RemoveDirectories("C:\\Alone"));
  EXPECT_FALSE(platform::FileExists("C:\\Alone"));
  EXPECT_TRUE(platform::DirectoryExists("C:\\Windows"));
  EXPECT_FALSE(app::RemoveDirectories(""));
}

TEST(RemoveFileAndFoldersTest, TheFoldersGoUntilOneStays) {
  inktest::MediumMachine medium;
  inktest::VirtualClock clock;
  medium.temp().WriteHostFile("drive_c/Menu/Product/Tools/link.lnk", "x");
  medium.temp().WriteHostFile("drive_c/Menu/other.lnk", "x");
  EXPECT_TRUE(app::RemoveFileAndFolders("C:\\Menu\\Product\\Tools\\link.lnk", false));
  EXPECT_FALSE(platform::FileExists("C:\\Menu\\Product"));
  EXPECT_TRUE(platform::FileExists("C:\\Menu\\other.lnk"));
  const auto lines = medium.LogLines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "nTime = 0");
  EXPECT_EQ(lines[1], "nTime = 0");
  EXPECT_EQ(lines[2], "C:\\Menu directory was not removed !!");
  EXPECT_TRUE(lines[3].starts_with("Error Code = 145 :")) << lines[3];
  EXPECT_EQ(lines[4], "");  // the system's text ends with a line break
  EXPECT_EQ(lines[5], "nTime = 0");
  EXPECT_EQ(clock.Now(), milliseconds(20));  // 10 ms after each removal

  medium.temp().WriteHostFile("drive_c/Kept/file.txt", "x");
  EXPECT_TRUE(app::RemoveFileAndFolders("C:\\Kept\\file.txt", true));
  EXPECT_TRUE(platform::DirectoryExists("C:\\Kept"));
  EXPECT_FALSE(app::RemoveFileAndFolders("C:\\Kept\\file.txt", false));
}

TEST(FileChecksTest, FilesDrivesAndPorts) {
  inktest::TempMachine machine([](platform::MachineConfig& config) {
    config.drives.push_back({'E', "/nonexistent/cd", platform::DriveKind::kCdRom});
    config.drives.push_back({'F', "/nonexistent/stick", platform::DriveKind::kRemovable});
    config.drives.push_back({'N', "/nonexistent/share", platform::DriveKind::kRemote});
  });
  machine.WriteHostFile("drive_c/Medium/setup.dat", "x");
  EXPECT_TRUE(app::FileExists("C:\\Medium\\setup.dat"));
  EXPECT_TRUE(app::FileExists("c:\\medium\\SETUP.DAT"));
  EXPECT_FALSE(app::FileExists("C:\\Medium"));
  EXPECT_FALSE(app::FileExists("C:\\Medium\\missing.dat"));
  EXPECT_FALSE(app::FileExists(""));

  struct DriveCase {
    const char* path;
    int kind;
  };
  const DriveCase drives[] = {
      {"C:\\Windows\\notepad.exe", app::kDriveKindFixed},
      {"E:\\setup.exe", app::kDriveKindCdRom},
      {"f:\\x", app::kDriveKindRemovable},
      {"N:\\", app::kDriveKindRemote},
      {"Q:\\setup.exe", app::kDriveKindOther},
      {"setup.exe", app::kDriveKindOther},
      {"\\setup.exe", app::kDriveKindFixed},  // the root of the current drive
  };
  for (const DriveCase& c : drives) EXPECT_EQ(app::GetDriveKind(c.path), c.kind) << c.path;
  platform::SetModuleFileName("E:\\setup.exe");
  EXPECT_EQ(app::GetDriveKind(), app::kDriveKindCdRom);
  platform::SetModuleFileName({});

  struct PortCase {
    const char* name;
    bool exists;
  };
  const PortCase ports[] = {{"LPT1:", true}, {"lpt1:", true}, {"COM1:", true}, {"FILE:", true},
                            {"LPT2:", false}, {"LPT1", false}, {"", false}};
  for (const PortCase& c : ports) EXPECT_EQ(app::PortExists(c.name), c.exists) << c.name;
}

// The setup key of the system as a 64-bit program sees it.
class SourcePathTest : public ::testing::Test {
 protected:
  SourcePathTest() {
    EXPECT_EQ(platform::RegOpenKeyEx(platform::HKEY_LOCAL_MACHINE, kSetup,
                                     platform::KEY_ALL_ACCESS | platform::KEY_WOW64_64KEY, &key_),
              0);
  }
  ~SourcePathTest() override { platform::RegCloseKey(key_); }
  void Set(const char* name, std::uint32_t type, const std::string& data) {
    ASSERT_EQ(platform::RegSetValueEx(key_, name, type, data.data(), static_cast<std::uint32_t>(data.size())), 0);
  }
  long Get(const char* name, std::uint32_t& type, std::string& data) {
    std::uint32_t size = 0;
    if (long error = platform::RegQueryValueEx(key_, name, &type, nullptr, &size)) return error;
    data.assign(size, '\0');
    return platform::RegQueryValueEx(key_, name, &type, data.data(), &size);
  }

  static constexpr const char* kSetup = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup";
  inktest::TempMachine machine_;
  platform::RegKey key_ = 0;
};

TEST_F(SourcePathTest, TheOriginalComesBackWholeBeforeItIsDeleted) {
  const std::string long_path = "\\\\server\\share\\" + std::string(400, 'd') + "\\i386";
  struct Case {
    std::uint32_t type;
    std::string original;
    std::string restored;
  };
  const Case cases[] = {
      {platform::REG_EXPAND_SZ, long_path + '\0', long_path},  // a string without its NUL
      {platform::REG_SZ, "E:\\", "E:\\"},
      {platform::REG_MULTI_SZ, std::string("E:\\\0F:\\\0\0", 8), std::string("E:\\\0F:\\\0\0", 8)},
  };
  for (const Case& c : cases) {
    Set("SourcePath_ORG", c.type, c.original);
    Set("SourcePath", platform::REG_SZ, std::string("D:\\Drivers") + '\0');
    EXPECT_EQ(app::RestoreSourcePath(), 0);
    std::uint32_t type = 0;
    std::string data;
    ASSERT_EQ(Get("SourcePath", type, data), 0);
    EXPECT_EQ(type, c.type);
    EXPECT_EQ(data, c.restored);
    EXPECT_EQ(Get("SourcePath_ORG", type, data), platform::kErrorFileNotFound);
  }
}

TEST_F(SourcePathTest, WithoutAnOriginalNothingChanges) {
  EXPECT_EQ(app::RestoreSourcePath(), platform::kErrorFileNotFound);
  std::uint32_t type = 0;
  std::string data;
  ASSERT_EQ(Get("SourcePath", type, data), 0);
  EXPECT_EQ(data, std::string("C:\\") + '\0');  // as a new machine has it
}

TEST(WaitNoPendingInstallTest, WaitsInSecondStepsWhileInstallationsArePending) {
  struct Case {
    const char* what;
    std::uint32_t pending_ms;  // 0: nothing pending
    bool keep_in_front;
    bool result;
    milliseconds waited;
    int foreground_calls;
  };
  const Case cases[] = {
      {"nothing pending", 0, false, false, milliseconds(0), 0},
      {"ends within the first second", 500, false, false, milliseconds(500), 0},
      {"ends after a few seconds", 3500, false, true, milliseconds(3500), 0},
      {"gives up after about a minute", platform::kInfinite, false, true, milliseconds(62000), 0},
      {"longer than a minute, given up", 70000, false, true, milliseconds(62000), 0},
      {"kept in front until the end", 70000, true, true, milliseconds(70000), 68},
  };
  for (const Case& c : cases) {
    inktest::TempMachine machine;
    inktest::VirtualClock clock;
    inktest::FakeModules modules;
    if (c.pending_ms != 0) {
      ASSERT_EQ(platform::AddPendingDeviceInstall(c.pending_ms), 0);
    }
    EXPECT_EQ(app::WaitNoPendingInstall(c.keep_in_front, modules), c.result) << c.what;
    EXPECT_EQ(clock.Now(), c.waited) << c.what;
    EXPECT_EQ(modules.foreground_calls, c.foreground_calls) << c.what;
  }
}

}  // namespace
