#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/device_installs.h"
#include "platform/drive_type.h"
#include "platform/errors.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/spooler_ports.h"
#include "temp_machine.h"
#include "virtual_clock.h"

namespace {

using std::chrono::milliseconds;

std::vector<std::string> PortNames() {
  std::vector<platform::PortInfo> ports;
  EXPECT_EQ(platform::EnumPorts(ports), 0);
  std::vector<std::string> names;
  for (const auto& port : ports) names.push_back(port.name);
  return names;
}

TEST(SpoolerPortsTest, ANewMachineHasTheStandardPortsAndKeepsChanges) {
  inktest::TempMachine temp;
  EXPECT_EQ(PortNames(), (std::vector<std::string>{"LPT1:", "COM1:", "FILE:"}));
  struct Case {
    const char* what;
    long result;
    long (*change)();
  };
  const Case cases[] = {
      {"add", 0, [] { return platform::AddPort({"USB001", "USB Monitor", "Virtual printer port for USB"}); }},
      {"add again, other case", platform::kErrorAlreadyExists, [] { return platform::AddPort({"usb001", "", ""}); }},
      {"add without name", platform::kErrorInvalidParameter, [] { return platform::AddPort({"", "m", "d"}); }},
      {"add with a tab", platform::kErrorInvalidParameter, [] { return platform::AddPort({"A\tB", "m", "d"}); }},
      {"delete, other case", 0, [] { return platform::DeletePort("com1:"); }},
      {"delete missing", platform::kErrorUnknownPort, [] { return platform::DeletePort("COM1:"); }},
  };
  for (const Case& c : cases) EXPECT_EQ(c.change(), c.result) << c.what;
  // Another process opening the machine sees the same list.
  std::string error;
  platform::SetCurrentMachine(platform::Machine::Open(temp.dir(), &error));
  EXPECT_EQ(PortNames(), (std::vector<std::string>{"LPT1:", "FILE:", "USB001"}));
  std::vector<platform::PortInfo> ports;
  ASSERT_EQ(platform::EnumPorts(ports), 0);
  EXPECT_EQ(ports.back().monitor, "USB Monitor");
  EXPECT_EQ(ports.back().description, "Virtual printer port for USB");
}

TEST(DeviceInstallsTest, WaitingEndsWhenTheLastInstallationEndsOrTheTimeIsUp) {
  struct Case {
    const char* what;
    std::vector<std::uint32_t> pending_ms;
    std::uint32_t timeout_ms;
    long result;
    milliseconds waited;
  };
  const Case cases[] = {
      {"none", {}, 1000, 0, milliseconds(0)},
      {"ends in time", {300, 700}, 1000, 0, milliseconds(700)},
      {"one ends too late", {300, 1700}, 1000, platform::kErrorWaitTimeout, milliseconds(1000)},
      {"never ends", {platform::kInfinite, 10}, 5000, platform::kErrorWaitTimeout, milliseconds(5000)},
  };
  for (const Case& c : cases) {
    inktest::TempMachine temp;
    inktest::VirtualClock clock;
    for (const std::uint32_t ms : c.pending_ms) ASSERT_EQ(platform::AddPendingDeviceInstall(ms), 0);
    EXPECT_EQ(platform::WaitNoPendingInstallEvents(c.timeout_ms), c.result) << c.what;
    EXPECT_EQ(clock.Now(), c.waited) << c.what;
  }
}

TEST(DeviceInstallsTest, ClearingEndsEveryInstallation) {
  inktest::TempMachine temp;
  inktest::VirtualClock clock;
  ASSERT_EQ(platform::AddPendingDeviceInstall(platform::kInfinite), 0);
  EXPECT_EQ(platform::WaitNoPendingInstallEvents(100), platform::kErrorWaitTimeout);
  ASSERT_EQ(platform::ClearPendingDeviceInstalls(), 0);
  EXPECT_EQ(platform::WaitNoPendingInstallEvents(100), 0);
  EXPECT_EQ(clock.Now(), milliseconds(100));
}

TEST(DriveTypeTest, RootsOfTheMachinesDrives) {
  inktest::TempMachine temp([](platform::MachineConfig& config) {
    config.drives.push_back({'D', "/nonexistent/cd", platform::DriveKind::kCdRom});
  });
  struct Case {
    const char* root;
    std::uint32_t type;
  };
  const Case cases[] = {
      {"C:\\", platform::kDriveFixed},       {"c:", platform::kDriveFixed},
      {"D:\\", platform::kDriveCdRom},       {"E:\\", platform::kDriveNoRootDir},
      {"C:\\Windows", platform::kDriveNoRootDir}, {"\\", platform::kDriveFixed},
      {"\\\\server\\share\\", platform::kDriveRemote}, {"\\\\server\\", platform::kDriveNoRootDir},
      {"", platform::kDriveNoRootDir},
  };
  for (const Case& c : cases) EXPECT_EQ(platform::GetDriveType(c.root), c.type) << c.root;
}

TEST(MessageBoxTest, AHandlerAnswersElseStandardErrorGetsTheText) {
  std::vector<platform::MessageBoxRequest> shown;
  platform::SetMessageBoxHandler([&shown](const platform::MessageBoxRequest& request) {
    shown.push_back(request);
    return 7;
  });
  EXPECT_EQ(platform::ShowMessageBox("Text", "Caption", platform::kMbIconWarning), 7);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Text");
  EXPECT_EQ(shown[0].caption, "Caption");
  EXPECT_EQ(shown[0].style, platform::kMbIconWarning);
  platform::SetMessageBoxHandler({});
  testing::internal::CaptureStderr();
  EXPECT_EQ(platform::ShowMessageBox("Disk full", "Product", platform::kMbOk), platform::kIdOk);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "[Product] Disk full\n");
}

// Reads a string value of HKLM in the given view.
std::string SystemValue(const char* key, const char* name, std::uint32_t view) {
  platform::RegKey handle = 0;
  if (platform::RegOpenKeyEx(platform::HKEY_LOCAL_MACHINE, key, platform::KEY_READ | view, &handle) != 0) return "-";
  char text[260] = {};
  std::uint32_t size = sizeof text;
  std::uint32_t type = 0;
  const long error = platform::RegQueryValueEx(handle, name, &type, text, &size);
  platform::RegCloseKey(handle);
  return error == 0 && type == platform::REG_SZ ? std::string(text) : "-";
}

TEST(SystemRegistryValuesTest, ANewMachineKnowsWhereWindowsLivesInBothViews) {
  inktest::TempMachine temp;
  struct Case {
    const char* key;
    const char* name;
    const char* native;
    const char* wow64;
  };
  const Case cases[] = {
      {"Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", "C:\\Program Files",
       "C:\\Program Files (x86)"},
      {"Software\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot", "C:\\Windows", "C:\\Windows"},
      {"Software\\Microsoft\\Windows\\CurrentVersion\\Setup", "SourcePath", "C:\\", "C:\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SystemValue(c.key, c.name, platform::KEY_WOW64_64KEY), c.native) << c.name;
    EXPECT_EQ(SystemValue(c.key, c.name, platform::KEY_WOW64_32KEY), c.wow64) << c.name;
    EXPECT_EQ(SystemValue(c.key, c.name, 0), c.wow64) << c.name;  // the installer runs as a 32-bit process
  }
}

}  // namespace
