#include <gtest/gtest.h>

#include <string>

#include "app/global_variable.h"
#include "app/os_kind.h"
#include "medium_machine.h"

namespace {

// A medium for a 64-bit Windows 10 machine, whose OS define string W10_64
// selects the variant section OPTION.W10_64.
class OptionTest : public ::testing::Test {
 protected:
  void Build(const std::string& options) {
    medium_.WriteMedium(std::string(inktest::kProgramInfo) + "[OS_DEFINE]\n0X00020A00.64 = W10_64\n" + options);
    ASSERT_TRUE(environment_.Init());
  }
  // Reads the options again from a data file holding only `options`.
  void ReadAgain(const std::string& options, int os_code = app::kOsNt6Workstation) {
    medium_.Write("other.dat", options);
    CMyProfile data;
    data.SetEnvironment(&environment_);
    data.Create("C:\\Medium\\other.dat", "C:\\Medium\\other.dat", {}, false);
    environment_.Options().Read(data, os_code);
  }

  inktest::MediumMachine medium_;
  CGlobalVariable environment_;
};

TEST_F(OptionTest, EachKeyFromTheVariantSectionElseFromOption) {
  Build(
      "[OPTION]\nUSB_ONLY = 0\nNETWORK = 1\nWIRELESS = 1\nDEVICE_INSTALL = 0\nRIGHT_ALIGN = 0x1\n"
      "PRECREATE_DLG = 0\nSET_SOURCE_PATH = 2\nUSE_PUBLIC_OID = 1\nSTOP_FIREWALL = 0x0\nAGFA = 0\n"
      "MAINTENANCE_ON = 1\nCOMMUNITY_SIZE = 20\n"
      "[OPTION.W10_64]\nUSB_ONLY = 1\nWIRELESS = 0\nSHOW_INST_ERROR = 1\nMAIN_ONLY = yes\nUSE_IPX = 1\n"
      "MAINTENANCE_ON = 0\nCOMMUNITY_SIZE = 0\n");
  const COption& options = environment_.Options();
  struct Case {
    const char* key;
    bool value;
    const char* logged;
  };
  const Case cases[] = {
      {"USB_ONLY", options.UsbOnly(), "USB ONLY Option is ON"},
      {"NETWORK", options.Network(), "NETWORK Option is ON"},
      {"WIRELESS", !options.Wireless(), "WIRELESS Option is OFF"},
      {"DEVICE_INSTALL", !options.DeviceInstall(), "INSTALL DEVICE Option is OFF"},
      {"SHOW_INST_ERROR", options.ShowInstallError(), "SHOW INSTALL ERROR Option is ON"},
      {"RIGHT_ALIGN", options.RightAlign(), "RIGHT ALIGN Option is ON"},
      {"PRECREATE_DLG", !options.PrecreateDialogs(), "PRECREATE DIALOG option is OFF"},
      {"MAIN_ONLY", !options.MainOnly(), "JUST MAIN option is OFF"},
      {"SET_SOURCE_PATH", options.SetSourcePath(), "SET SOURCE PATH option is ON"},
      {"USE_PUBLIC_OID", options.UsePublicOid(), "USE PUBLIC OID option is ON"},
      {"USE_IPX", options.UseIpx(), "USE IPX option is ON"},
      {"STOP_FIREWALL", !options.StopFirewall(), "Stop Firewall option is OFF"},
      {"AGFA", !options.Agfa() && options.AgfaGiven(), "AGFA option is OFF"},
      {"MAINTENANCE_ON", !options.MaintenanceOn(), "MAINTENANCE Option is OFF"},
      {"COMMUNITY_SIZE", options.CommunitySize() == 14, "Community Name size = 14"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(c.value) << c.key;
    EXPECT_TRUE(medium_.Logged(c.logged)) << c.logged;
  }
  EXPECT_TRUE(medium_.Logged("[OPTION.W10_64] Section found"));
}

TEST_F(OptionTest, MissingKeysFallBackOrKeepTheirValues) {
  Build("[OPTION]\nUSB_ONLY = 1\nNETWORK = 1\nWIRELESS = 1\nRIGHT_ALIGN = 1\nMAINTENANCE_ON = 0\n"
        "DEVICE_INSTALL = 0\nSHOW_INST_ERROR = 1\nPRECREATE_DLG = 0\nMAIN_ONLY = 1\nSET_SOURCE_PATH = 1\n"
        "USE_PUBLIC_OID = 1\nUSE_IPX = 1\nSTOP_FIREWALL = 1\nAGFA = 1\nCOMMUNITY_SIZE = 32\n");
  const auto lines_before = medium_.LogLines().size();
  ReadAgain("[OPTION]\nUNRELATED = 1\n");
  const COption& options = environment_.Options();
  // These four fall back to off, MAINTENANCE_ON to on...
  EXPECT_FALSE(options.UsbOnly());
  EXPECT_FALSE(options.Network());
  EXPECT_FALSE(options.Wireless());
  EXPECT_FALSE(options.RightAlign());
  EXPECT_TRUE(options.MaintenanceOn());
  // ...and the others keep what the first read gave them, without a log line.
  EXPECT_FALSE(options.DeviceInstall());
  EXPECT_TRUE(options.ShowInstallError());
  EXPECT_FALSE(options.PrecreateDialogs());
  EXPECT_TRUE(options.MainOnly());
  EXPECT_TRUE(options.SetSourcePath());
  EXPECT_TRUE(options.UsePublicOid());
  EXPECT_TRUE(options.UseIpx());
  EXPECT_TRUE(options.StopFirewall());
  EXPECT_TRUE(options.Agfa());
  EXPECT_EQ(options.CommunitySize(), 32u);
  const auto lines = medium_.LogLines();
  const std::vector<std::string> second_read(lines.begin() + static_cast<std::ptrdiff_t>(lines_before), lines.end());
  const std::vector<std::string> expected = {
      "[OPTION] Section found",     "USB ONLY Option is OFF",    "NETWORK Option is OFF",
      "WIRELESS Option is OFF",     "RIGHT ALIGN Option is OFF", "MAINTENANCE Option is ON",
      "Community Name size = 32",
  };
  EXPECT_EQ(second_read, expected);
}

TEST_F(OptionTest, DefaultsWithoutAnOptionSection) {
  Build("");
  const COption& options = environment_.Options();
  EXPECT_TRUE(medium_.Logged("Get Option fail"));
  EXPECT_TRUE(options.DeviceInstall());
  EXPECT_TRUE(options.PrecreateDialogs());
  EXPECT_TRUE(options.MaintenanceOn());
  EXPECT_FALSE(options.AgfaGiven());
  EXPECT_FALSE(options.RemoteInstall());
  EXPECT_EQ(options.CommunitySize(), 14u);
}

TEST_F(OptionTest, RightAlignStaysOffWhereTheSystemCannotShowIt) {
  Build("[OPTION]\nRIGHT_ALIGN = 1\n");
  ASSERT_TRUE(environment_.Options().RightAlign());
  struct Case {
    int os_code;
    bool right_align;
  };
  const Case cases[] = {
      {app::kOsWindows95, false}, {app::kOsWindows95Osr2, false}, {app::kOsNt3, false},
      {app::kOsNt4, false},       {app::kOsWindows98, true},      {app::kOsWindowsXp, true},
  };
  for (const Case& c : cases) {
    ReadAgain("[OPTION]\nRIGHT_ALIGN = 1\n", c.os_code);
    EXPECT_EQ(environment_.Options().RightAlign(), c.right_align) << c.os_code;
  }
}

}  // namespace
