#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/admin_check.h"
#include "app/global_variable.h"
#include "app/sys_requirement.h"
#include "medium_machine.h"
#include "platform/message_box.h"

namespace {

// The message boxes shown while it lives.
class MessageBoxes {
 public:
  MessageBoxes() {
    platform::SetMessageBoxHandler([this](const platform::MessageBoxRequest& request) {
      shown.push_back(request);
      return platform::kIdOk;
    });
  }
  ~MessageBoxes() { platform::SetMessageBoxHandler({}); }
  std::vector<platform::MessageBoxRequest> shown;
};

constexpr const char* kDefaultFreeSpaceMessage =
    "The available Disk space is not enough. Please increase available disk space about \"100MB\" and try again.";
constexpr const char* kDefaultSystemMessage =
    "This Windows Version is not supported.\r\nThe Setup program will be terminated.";
constexpr const char* kDefaultUsbMessage =
    "USB Devic is not available. Please check the configuration of system and BIOS then USB device as available "
    "status and try again.";

TEST(SysRequirementTest, TheFirstFailingTestShowsItsMessage) {
  struct Case {
    const char* what;
    const char* requirements;  // SYSTEM_REQUIREMENT and more
    std::uint32_t free_mb;     // the utility module's answer
    std::int32_t port_count;   // the utility module's answer
    bool usb_only;
    bool network;
    bool passes;
    const char* message;       // shown, or null
  };
  const Case cases[] = {
      {"no requirements", "", 10, -1, true, false, true, nullptr},
      {"enough space", "[SYSTEM_REQUIREMENT]\nFREE_SPACE = 100\n", 100, 0, false, false, true, nullptr},
      {"no answer passes", "[SYSTEM_REQUIREMENT]\nFREE_SPACE = 100\n", 0, 0, false, false, true, nullptr},
      {"too little space", "[SYSTEM_REQUIREMENT]\nFREE_SPACE = 100\n", 99, 0, false, false, false,
       kDefaultFreeSpaceMessage},
      {"no space required", "[SYSTEM_REQUIREMENT]\nFREE_SPACE = 0\n", 1, 0, false, false, true, nullptr},
      {"own free-space message", "[SYSTEM_REQUIREMENT]\nFREE_SPACE = 100\nMSG_NO_FREE_SPACE = @SPACE@\n", 5, 0,
       false, false, false, "Free 100MB, please."},
      {"formats in the message stay text",
       "[SYSTEM_REQUIREMENT]\nFREE_SPACE = 100\nMSG_NO_FREE_SPACE = %d %n %x %s %s 50%%\n", 5, 0, false, false,
       false, "%d %n %x 100MB %s 50%%"},
      {"unsupported system", "[SYSTEM_REQUIREMENT]\nUNSUPPORTED_OS = XP, W2K\n", 0, 0, false, false, false,
       kDefaultSystemMessage},
      {"unsupported system quoted, own message",
       "[SYSTEM_REQUIREMENT]\nUNSUPPORTED_OS = \"\tw2k,ME \"\nMSG_NOT_SUPPORTED_OS = Not here.\n", 0, 0, false,
       false, false, "Not here."},
      {"only whole names", "[SYSTEM_REQUIREMENT]\nUNSUPPORTED_OS = W2K_OLD XW2K\n", 0, 0, false, false, true,
       nullptr},
      {"space is tested first", "[SYSTEM_REQUIREMENT]\nFREE_SPACE = 100\nUNSUPPORTED_OS = W2K\n", 1, -1, true,
       false, false, kDefaultFreeSpaceMessage},
      {"no USB", "[SYSTEM_REQUIREMENT]\n", 0, -1, true, false, false, kDefaultUsbMessage},
      {"no USB, own message", "[SYSTEM_REQUIREMENT]\nMSG_USB_NOT_AVAILABLE = Plug it in.\n", 0, -1, true, false,
       false, "Plug it in."},
      {"no USB needed with network", "[SYSTEM_REQUIREMENT]\n", 0, -1, true, true, true, nullptr},
      {"no USB needed without USB only", "[SYSTEM_REQUIREMENT]\n", 0, -1, false, false, true, nullptr},
      {"USB without device", "[SYSTEM_REQUIREMENT]\n", 0, 0, true, false, true, nullptr},
      {"a similar section is no requirement", "[SYSTEM_REQUIREMENT_OLD]\nFREE_SPACE = 100\n", 1, 0, false, false,
       true, nullptr},
  };
  for (const Case& c : cases) {
    inktest::MediumMachine medium;
    medium.WriteMedium(std::string(inktest::kProgramInfo) + "[OS_DEFINE]\n0X00020A00.64 = W2K\n" + c.requirements,
                       "SPACE = Free %s, please.\n");
    auto modules = std::make_unique<inktest::FakeModules>();
    modules->free_mb = c.free_mb;
    modules->port_count = c.port_count;
    CGlobalVariable environment(std::move(modules));
    ASSERT_TRUE(environment.Init()) << c.what;
    MessageBoxes boxes;
    CSysRequirement requirement(environment);
    EXPECT_EQ(requirement.Check(c.usb_only, c.network), c.passes) << c.what;
    ASSERT_EQ(boxes.shown.size(), c.message ? 1u : 0u) << c.what;
    if (c.message) {
      EXPECT_EQ(boxes.shown[0].text, c.message) << c.what;
      EXPECT_EQ(boxes.shown[0].caption, "Product") << c.what;
      EXPECT_EQ(boxes.shown[0].style, platform::kMbOk) << c.what;
    }
  }
}

TEST(SysRequirementTest, FreeSpaceOfAPathAndTheRightToLeftMessage) {
  inktest::MediumMachine medium;
  medium.WriteMedium(std::string(inktest::kProgramInfo) +
                     "[OPTION]\nRIGHT_ALIGN = 1\n[SYSTEM_REQUIREMENT]\nFREE_SPACE = 300\n");
  auto modules = std::make_unique<inktest::FakeModules>();
  modules->free_mb = 200;
  inktest::FakeModules& fake = *modules;
  CGlobalVariable environment(std::move(modules));
  ASSERT_TRUE(environment.Init());
  MessageBoxes boxes;
  CSysRequirement requirement(environment);
  EXPECT_TRUE(requirement.HasRequirements());
  EXPECT_EQ(requirement.FreeSpaceMb(), 300u);
  const std::string long_path = "C:\\" + std::string(300, 'p');
  EXPECT_FALSE(requirement.CheckFreeSpace(long_path, false));
  EXPECT_EQ(fake.free_space_path, long_path.substr(0, 259));
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_FALSE(requirement.CheckFreeSpace("D:\\Target", true));
  EXPECT_EQ(fake.free_space_path, "D:\\Target");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].style, platform::kMbOk | platform::kMbRtlReading);
}

TEST(SysRequirementTest, ARequirementSectionAmongManySections) {
  inktest::MediumMachine medium;
  std::string data = inktest::kProgramInfo;
  for (int i = 0; i < 2000; ++i) data += "[SECTION_WITH_A_LONG_NAME_" + std::to_string(i) + "]\n";
  data += "[SYSTEM_REQUIREMENT]\nFREE_SPACE = 100\n";
  medium.WriteMedium(data);
  auto modules = std::make_unique<inktest::FakeModules>();
  modules->free_mb = 10;
  CGlobalVariable environment(std::move(modules));
  ASSERT_TRUE(environment.Init());
  MessageBoxes boxes;
  CSysRequirement requirement(environment);
  EXPECT_TRUE(requirement.HasRequirements());
  EXPECT_FALSE(requirement.Check(false, false));
}

TEST(RightsTest, AdministratorsMayInstall) {
  for (const bool administrator : {true, false}) {
    inktest::TempMachine machine([administrator](platform::MachineConfig& config) {
      config.is_administrator = administrator;
    });
    EXPECT_EQ(app::IsAdmin(), administrator);
  }
}

}  // namespace
