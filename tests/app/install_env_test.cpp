#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/global_variable.h"
#include "install/registry.h"
#include "medium_machine.h"
#include "platform/files.h"
#include "platform/spooler_ports.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kInstalling = "Software\\Maker\\Product\\Installing";
constexpr const char* kInstallingHistory = "Software\\Maker\\Product\\Installing\\InstHistory";

// The directory entries recorded in the Installing history.
std::vector<std::string> RecordedDirectories() {
  std::uint32_t count = 0;
  if (CRegistry::GetValue(kInstallingHistory, "NumOfDirs", &count) != 0) return {};
  std::vector<std::string> entries;
  for (std::uint32_t i = 0; i < count; ++i) {
    char entry[260] = {};
    const std::string name = "Dir" + std::to_string(i);
    EXPECT_EQ(CRegistry::GetValue(kInstallingHistory, name.c_str(), entry, platform::HKEY_LOCAL_MACHINE, sizeof entry), 0);
    entries.push_back(entry);
  }
  return entries;
}

TEST(InstallEnvTest, DestinationFromTheEarlierInstallationTheDataFileOrProgramFiles) {
  struct Case {
    const char* what;
    bool is_64bit;
    const char* recorded;     // Dest_Dir of the Installed key, or null
    const char* data_file;    // DESTINATION_DIR, or null
    const char* destination;
    std::vector<std::string> created;
  };
  const Case cases[] = {
      {"program files, 64-bit", true, nullptr, nullptr, "C:\\Program Files (x86)\\Maker\\Product",
       {"C:\\Program Files (x86)\\Maker\\", "C:\\Program Files (x86)\\Maker\\Product\\"}},
      {"program files, 32-bit", false, nullptr, nullptr, "C:\\Program Files\\Maker\\Product",
       {"C:\\Program Files\\Maker\\", "C:\\Program Files\\Maker\\Product\\"}},
      {"data file, expanded, trailing separator", true, nullptr, "$WIN_DIR$\\Demo\\", "C:\\Windows\\Demo",
       {"C:\\Windows\\Demo\\"}},
      {"earlier installation first", true, "C:\\Old\\Place\\", "$WIN_DIR$\\Demo", "C:\\Old\\Place",
       {"C:\\Old\\", "C:\\Old\\Place\\"}},
  };
  for (const Case& c : cases) {
    inktest::MediumMachine medium([&c](platform::MachineConfig& config) { config.is_64bit = c.is_64bit; });
    std::string data = inktest::kProgramInfo;
    if (c.data_file) data += std::string("DESTINATION_DIR = ") + c.data_file + "\n";
    medium.WriteMedium(data);
    if (c.recorded) {
      ASSERT_EQ(CRegistry::SetValue("Software\\Maker\\Product\\Installed", "Dest_Dir", c.recorded), 0);
    }
    CGlobalVariable environment;
    ASSERT_TRUE(environment.Init()) << c.what;
    const CInstallEnv& env = environment.InstallEnv();
    EXPECT_EQ(env.Destination(), c.destination) << c.what;
    EXPECT_EQ(env.InitialDestination(), c.destination) << c.what;
    EXPECT_EQ(env.InstallDirectory(), std::string(c.destination) + "\\Install") << c.what;
    EXPECT_TRUE(platform::DirectoryExists(c.destination)) << c.what;
    EXPECT_EQ(RecordedDirectories(), c.created) << c.what;
    EXPECT_TRUE(medium.Logged(std::string(" Destination Directroy = ") + c.destination + "\n")) << c.what;
  }
}

class DestinationTest : public ::testing::Test {
 protected:
  DestinationTest() {
    medium_.WriteMedium(inktest::kProgramInfo);
    // Program Files holds something, as on every real system.
    medium_.temp().WriteHostFile("drive_c/Program Files (x86)/Common Files/shared.dll", "x");
    EXPECT_TRUE(environment_.Init());
  }
  std::string RecordedDestination() const {
    char text[260] = {};
    EXPECT_EQ(CRegistry::GetValue(kInstalling, "Dest_Dir", text, platform::HKEY_LOCAL_MACHINE, sizeof text), 0);
    return text;
  }

  inktest::MediumMachine medium_;
  CGlobalVariable environment_;
  const std::string first_ = "C:\\Program Files (x86)\\Maker\\Product";
};

TEST_F(DestinationTest, MovingRemovesTheOldEmptyDestinationAndRecordsTheNew) {
  CInstallEnv& env = environment_.InstallEnv();
  env.SetDestination("C:\\Data\\Printer\\");
  EXPECT_EQ(env.Destination(), "C:\\Data\\Printer");
  EXPECT_EQ(env.InstallDirectory(), "C:\\Data\\Printer\\Install");
  EXPECT_EQ(env.InitialDestination(), first_);
  EXPECT_EQ(RecordedDestination(), "C:\\Data\\Printer");
  EXPECT_TRUE(platform::DirectoryExists("C:\\Data\\Printer"));
  EXPECT_FALSE(platform::FileExists(first_));
  EXPECT_FALSE(platform::FileExists("C:\\Program Files (x86)\\Maker"));
  EXPECT_TRUE(platform::DirectoryExists("C:\\Program Files (x86)"));
  EXPECT_TRUE(medium_.Logged("Set Destination ==> C:\\Data\\Printer\\"));
  const std::vector<std::string> recorded = {"C:\\Program Files (x86)\\Maker\\",
                                             "C:\\Program Files (x86)\\Maker\\Product\\", "C:\\Data\\",
                                             "C:\\Data\\Printer\\"};
  EXPECT_EQ(RecordedDirectories(), recorded);
}

TEST_F(DestinationTest, TheSameDestinationInAnotherCaseChangesNothing) {
  CInstallEnv& env = environment_.InstallEnv();
  const auto lines = medium_.LogLines().size();
  env.SetDestination("c:\\program files (X86)\\maker\\PRODUCT");
  EXPECT_EQ(env.Destination(), first_);
  EXPECT_EQ(medium_.LogLines().size(), lines);
  EXPECT_TRUE(platform::DirectoryExists(first_));
}

TEST_F(DestinationTest, AnOldDestinationThatIsNotEmptyStaysAndAnEmptyNameResets) {
  CInstallEnv& env = environment_.InstallEnv();
  medium_.temp().WriteHostFile("drive_c/Program Files (x86)/Maker/Product/readme.txt", "kept");
  env.SetDestination("C:\\Elsewhere");
  EXPECT_TRUE(platform::FileExists(first_ + "\\readme.txt"));
  env.SetDestination("");
  EXPECT_EQ(env.Destination(), first_);
  EXPECT_EQ(RecordedDestination(), first_);
  EXPECT_FALSE(platform::FileExists("C:\\Elsewhere"));
  EXPECT_TRUE(medium_.Logged("Reset Destination Directory [" + first_ + "]"));
}

TEST(DefaultPortTest, TheDataFilesPortIfItExistsElseLpt1ElseFile) {
  struct Case {
    const char* what;
    const char* default_port;  // DEFAULT_PORT, or null
    bool usb_only;
    const char* added_port;    // added to the spooler, or null
    bool without_lpt1;
    const char* port;
  };
  const Case cases[] = {
      {"existing default port", "USB001", false, "USB001", false, "USB001"},
      {"existing default port in another case", "com1:", true, nullptr, false, "com1:"},
      {"default port missing", "USB001", false, nullptr, false, "LPT1:"},
      {"USB only", nullptr, true, nullptr, false, "FILE:"},
      {"LPT1: there", nullptr, false, nullptr, false, "LPT1:"},
      {"no LPT1:", nullptr, false, nullptr, true, "FILE:"},
  };
  for (const Case& c : cases) {
    inktest::MediumMachine medium;
    std::string data = inktest::kProgramInfo;
    if (c.default_port) data += std::string("DEFAULT_PORT = ") + c.default_port + "\n";
    data += std::string("[OPTION]\nUSB_ONLY = ") + (c.usb_only ? "1" : "0") + "\n";
    medium.WriteMedium(data);
    if (c.added_port) {
      ASSERT_EQ(platform::AddPort({c.added_port, "USB Monitor", "Virtual printer port"}), 0);
    }
    if (c.without_lpt1) {
      ASSERT_EQ(platform::DeletePort("LPT1:"), 0);
    }
    CGlobalVariable environment;
    ASSERT_TRUE(environment.Init()) << c.what;
    EXPECT_EQ(environment.InstallEnv().Port(), c.port) << c.what;
    environment.InstallEnv().SetPort("IP_10.0.0.5");
    environment.InstallEnv().SetPort("");
    EXPECT_EQ(environment.InstallEnv().Port(), c.port) << c.what;
    EXPECT_TRUE(medium.Logged("Set Port : IP_10.0.0.5")) << c.what;
    EXPECT_TRUE(medium.Logged(std::string("Set Port : ") + c.port)) << c.what;
  }
}

TEST(DevicePortTest, TheConnectedDevicesPortBecomesThePort) {
  struct Case {
    std::int32_t count;
    std::vector<std::string> ports;
    bool check;
    bool result;
    const char* port;
    bool found;
  };
  const Case cases[] = {
      {1, {"USB002"}, false, true, "USB002", true},
      {1, {"USB002"}, true, false, "USB002", true},
      {2, {"lpt2:", "USB001"}, true, true, "lpt2:", true},
      {0, {}, false, false, "LPT1:", false},
      {-1, {}, false, false, "LPT1:", false},
  };
  for (const Case& c : cases) {
    inktest::MediumMachine medium;
    medium.WriteMedium(inktest::kProgramInfo);
    auto modules = std::make_unique<inktest::FakeModules>();
    modules->port_count = c.count;
    modules->ports = c.ports;
    inktest::FakeModules& fake = *modules;
    CGlobalVariable environment(std::move(modules));
    ASSERT_TRUE(environment.Init());
    EXPECT_EQ(environment.InstallEnv().FindDevicePort(c.check), c.result) << c.count << c.check;
    EXPECT_EQ(environment.InstallEnv().Port(), c.port) << c.count << c.check;
    EXPECT_EQ(environment.InstallEnv().PortFound(), c.found) << c.count << c.check;
    EXPECT_EQ(fake.device_query, "Maker|Model|VID_1&PID_2");
  }
}

TEST(InstallEnvFlagsTest, SettingTheFlagsAndTheIp) {
  inktest::MediumMachine medium;
  medium.WriteMedium(inktest::kProgramInfo);
  CGlobalVariable environment;
  ASSERT_TRUE(environment.Init());
  CInstallEnv& env = environment.InstallEnv();
  EXPECT_FALSE(env.PrinterInstalled());
  env.SetPrinterInstalled(true);
  env.SetIP("192.168.1.20");
  EXPECT_TRUE(env.PrinterInstalled());
  EXPECT_EQ(env.Ip(), "192.168.1.20");
  EXPECT_TRUE(medium.Logged("Printer was installed"));
  EXPECT_TRUE(medium.Logged("Set IP : 192.168.1.20"));
  EXPECT_EQ(env.Manufacturer() + "|" + env.Model() + "|" + env.VidPid(), "Maker|Model|VID_1&PID_2");
  EXPECT_EQ(env.InstallerDirectory(), "C:\\Medium");
}

}  // namespace
