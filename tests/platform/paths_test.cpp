#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "temp_machine.h"

namespace {

namespace fs = std::filesystem;

// A machine with a CD-ROM D: whose files were copied with other letter case
// than the profiles use, and D:\Data as the current directory.
class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    temp_.WriteHostFile("medium/Data/Setup.INF", "[Version]\n");
    fs::create_directories(temp_.dir() / "medium/Data/Sub");
    temp_.machine().MutableConfig().drives.push_back({'D', temp_.dir() / "medium", platform::DriveKind::kCdRom});
    temp_.machine().SetCurrentDirectory("D:\\Data");
    fs::create_directories(Outside());
  }

  // A host directory next to the machine, which nothing may reach.
  fs::path Outside() const { return temp_.dir().parent_path() / "outside"; }

  inktest::TempMachine temp_;
};

TEST_F(PathsTest, WindowsPathsMapIntoTheDrives) {
  fs::create_directories(temp_.dir() / "unc/Server/Share");
  struct Case {
    const char* windows;
    const char* host;  // relative to the machine directory
    long error;
  };
  const Case cases[] = {
      {"C:\\Windows\\System32", "drive_c/Windows/System32", 0},
      {"c:/windows/SYSTEM32/", "drive_c/Windows/System32", 0},
      {"C:\\Program Files/New Dir\\X.txt", "drive_c/Program Files/New Dir/X.txt", 0},
      {"C:\\", "drive_c", 0},
      {"d:\\DATA\\setup.inf", "medium/Data/Setup.INF", 0},
      {"setup.inf", "medium/Data/Setup.INF", 0},
      {".\\sub\\..\\SETUP.INF", "medium/Data/Setup.INF", 0},
      {"\\data\\sub", "medium/Data/Sub", 0},
      {"..\\..\\..\\escape.txt", "medium/escape.txt", 0},
      {"C:\\Windows\\..\\..\\..\\..\\x", "drive_c/x", 0},
      {"D:sub", "medium/Data/Sub", 0},
      {"C:windows", "drive_c/Windows", 0},
      {"C:\\Windows.\\Fonts  \\", "drive_c/Windows/Fonts", 0},
      {"\\\\server\\share\\..\\..\\p", "unc/Server/Share/p", 0},
      {"\\\\NewServer\\x\\p", "unc/NewServer/x/p", 0},
      {"Q:\\x", nullptr, platform::kErrorPathNotFound},
      {"", nullptr, platform::kErrorPathNotFound},
      {"\\\\server", nullptr, platform::kErrorPathNotFound},
      {"\\\\..\\..\\machine.ini", nullptr, platform::kErrorPathNotFound},
  };
  for (const auto& c : cases) {
    fs::path host;
    EXPECT_EQ(temp_.machine().ToHostPath(c.windows, host), c.error) << c.windows;
    if (c.host) {
      EXPECT_EQ(host, temp_.dir() / c.host) << c.windows;
    }
  }
}

TEST_F(PathsTest, HostPathsMapBackToWindowsPaths) {
  struct Case {
    fs::path host;
    const char* windows;  // null: not inside the machine's drives
  };
  const Case cases[] = {
      {temp_.DriveC() / "Windows/System32", "C:\\Windows\\System32"},
      {temp_.DriveC(), "C:\\"},
      {temp_.DriveC() / "a/../b/", "C:\\b"},
      {temp_.dir() / "medium/Data/Setup.INF", "D:\\Data\\Setup.INF"},
      {temp_.dir() / "unc/srv/share/p", "\\\\srv\\share\\p"},
      {temp_.dir() / "unc/srv", nullptr},
      {temp_.dir() / "registry.db", nullptr},
      {temp_.DriveC() / "../machine.ini", nullptr},
      {"/etc/passwd", nullptr},
  };
  for (const auto& c : cases) {
    std::string windows = "unchanged";
    EXPECT_EQ(temp_.machine().ToWindowsPath(c.host, windows), c.windows != nullptr) << c.host;
    EXPECT_EQ(windows, c.windows ? c.windows : "unchanged") << c.host;
  }
}

// Links on a medium are followed; only where they really lead counts.
TEST_F(PathsTest, LinksThatLeaveTheDrivesAreRefusedAndNothingIsWritten) {
  const fs::path medium = temp_.dir() / "medium";
  fs::create_symlink(Outside(), medium / "Data/Evil");
  fs::create_symlink(Outside() / "new.txt", medium / "Dangling");
  fs::create_symlink("../..", medium / "Up");
  fs::create_symlink("../machine.ini", temp_.DriveC() / "ini");
  fs::create_symlink("Loop2", medium / "Loop1");
  fs::create_symlink("Loop1", medium / "Loop2");
  for (const char* windows :
       {"D:\\Data\\evil\\x.txt", "D:\\dangling", "D:\\Up\\outside\\y.txt", "C:\\ini", "D:\\Loop1\\z"}) {
    fs::path host;
    EXPECT_EQ(temp_.machine().ToHostPath(windows, host), platform::kErrorAccessDenied) << windows;
    EXPECT_EQ(platform::WriteWholeFile(windows, "owned"), platform::kErrorAccessDenied) << windows;
    EXPECT_EQ(platform::GetLastError(), platform::kErrorAccessDenied) << windows;
  }
  EXPECT_TRUE(fs::is_empty(Outside()));
  EXPECT_NE(fs::file_size(temp_.dir() / "machine.ini"), 5u) << "the configuration was overwritten";
}

TEST_F(PathsTest, LinksInsideTheDrivesAreFollowed) {
  fs::create_symlink("..", temp_.dir() / "medium/Data/Sub/Back");
  fs::create_symlink(temp_.DriveC() / "Windows", temp_.dir() / "medium/Win");
  fs::path host;
  ASSERT_EQ(temp_.machine().ToHostPath("D:\\Data\\Sub\\Back\\Setup.inf", host), 0);
  EXPECT_EQ(host, temp_.dir() / "medium/Data/Setup.INF");
  ASSERT_EQ(temp_.machine().ToHostPath("D:\\win\\system32", host), 0);
  EXPECT_EQ(host, temp_.DriveC() / "Windows/System32");
}

// Windows text is code page bytes; host names are UTF-8.
TEST(PathsCodePageTest, NamesConvertThroughTheMachineCodePage) {
  struct Case {
    std::uint32_t code_page;
    const char* windows;
    const char* host;
  };
  const Case cases[] = {
      {1252, "C:\\Caf\xE9\\\xDC" "ber.txt", "Café/Über.txt"},
      // The second byte of both Japanese characters is "\", which must not
      // split the name.
      {932, "C:\\\x95\x5C\x8E\xA6\\\x83\x5C\x83\x74\x83\x67.txt", "表示/ソフト.txt"},
  };
  for (const auto& c : cases) {
    inktest::TempMachine temp([&c](platform::MachineConfig& config) { config.code_page = c.code_page; });
    fs::create_directories(temp.DriveC() / fs::path(c.host).parent_path());
    ASSERT_EQ(platform::WriteWholeFile(c.windows, "x"), 0) << c.host;
    EXPECT_TRUE(fs::exists(temp.DriveC() / c.host)) << c.host;
    std::string windows;
    ASSERT_TRUE(temp.machine().ToWindowsPath(temp.DriveC() / c.host, windows)) << c.host;
    EXPECT_EQ(windows, c.windows);
  }
}

}  // namespace
