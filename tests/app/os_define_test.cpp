#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/os_define.h"
#include "install/registry.h"
#include "medium_machine.h"
#include "profile/my_profile.h"

namespace {

using platform::OsVersionInfo;

constexpr std::uint8_t kWorkstation = 1;
constexpr std::uint8_t kDomainController = 2;
constexpr std::uint8_t kServer = 3;

OsVersionInfo Nt(std::uint32_t major, std::uint32_t minor, std::uint8_t product_type) {
  OsVersionInfo version;
  version.platform_id = 2;
  version.major = major;
  version.minor = minor;
  version.extended = true;
  version.product_type = product_type;
  return version;
}

OsVersionInfo Windows9x(std::uint32_t minor) {
  OsVersionInfo version;
  version.platform_id = 1;
  version.major = 4;
  version.minor = minor;
  return version;
}

class OsDefineTest : public ::testing::Test {
 protected:
  // The OS define string found with OS_DEFINE holding `keys` (each mapped to
  // itself), or "-" when none is.
  std::string Find(const std::vector<std::string>& keys, const OsVersionInfo& version, bool is_64bit) {
    std::string section = "[OS_DEFINE]\n";
    for (const std::string& key : keys) section += key + " = " + key + "\n";
    medium_.Write("setup.dat", section);
    CMyProfile data;
    data.Create("C:\\Medium\\setup.dat", "C:\\Medium\\setup.dat", {}, false);
    std::string define;
    return app::FindOsDefine(data, version, is_64bit, define) ? define : "-";
  }

  inktest::MediumMachine medium_;
};

TEST_F(OsDefineTest, KeysOfTheRunningSystemAndTheWalkDownTheVersions) {
  struct Case {
    const char* what;
    std::vector<std::string> keys;
    OsVersionInfo version;
    bool is_64bit;
    const char* found;
  };
  const Case cases[] = {
      {"XP exactly", {"0X00020501"}, Nt(5, 1, kWorkstation), false, "0X00020501"},
      {"64-bit key first", {"0X00020601", "0X00020601.64"}, Nt(6, 1, kWorkstation), true, "0X00020601.64"},
      {"64-bit workstation form", {"0X00020601.64.PRO"}, Nt(6, 1, kWorkstation), true, "0X00020601.64.PRO"},
      {"plain .64 before product type", {"0X00020601.64.PRO", "0X00020601.64"}, Nt(6, 1, kWorkstation), true,
       "0X00020601.64"},
      {"64-bit falls back to the exact plain key", {"0X00020601"}, Nt(6, 1, kWorkstation), true, "0X00020601"},
      {"32-bit workstation form only in 64-bit", {"0X00020601.PRO"}, Nt(6, 1, kWorkstation), true, "-"},
      {"walk on 64-bit tries .64 keys only", {"0X00020600"}, Nt(6, 1, kWorkstation), true, "-"},
      {"walk on 64-bit finds a lower .64 key", {"0X00020600.64"}, Nt(6, 1, kWorkstation), true, "0X00020600.64"},
      {"64-bit domain controller", {"0X00020601.64.SER"}, Nt(6, 1, kDomainController), true, "0X00020601.64.SER"},
      {"domain controller prefers DOM", {"0X00020601.64.SER", "0X00020601.64.DOM"}, Nt(6, 1, kDomainController),
       true, "0X00020601.64.DOM"},
      {"64-bit server", {"0X00020601.64.PRO", "0X00020601.64.SER"}, Nt(6, 1, kServer), true, "0X00020601.64.SER"},
      {"32-bit server walks to its SER form", {"0X00020502.SER", "0X00020501"}, Nt(5, 2, kServer), false,
       "0X00020502.SER"},
      {"workstation walk ignores SER", {"0X00020600.SER", "0X00020501"}, Nt(6, 0, kWorkstation), false,
       "0X00020501"},
      {"Vista walks down to XP", {"0X00020501"}, Nt(6, 0, kWorkstation), false, "0X00020501"},
      {"Windows 10 walks down to 6.3", {"0X00020603", "0X00020501"}, Nt(10, 0, kWorkstation), false,
       "0X00020603"},
      {"Windows 10 finds Windows 10", {"0X00020A00.64", "0X00020603.64"}, Nt(10, 0, kWorkstation), true,
       "0X00020A00.64"},
      {"nothing below 4.0", {"0X00020300"}, Nt(5, 0, kWorkstation), false, "-"},
      {"Windows 98", {"0X0001040A"}, Windows9x(10), false, "0X0001040A"},
      {"no walk on Windows 98", {"0X00010400"}, Windows9x(10), false, "-"},
  };
  for (const Case& c : cases) EXPECT_EQ(Find(c.keys, c.version, c.is_64bit), c.found) << c.what;
}

TEST_F(OsDefineTest, TheWalkLogsEveryKeyItTries) {
  ASSERT_EQ(Find({"0X00020501"}, Nt(6, 0, kWorkstation), false), "0X00020501");
  std::vector<std::string> expected = {
      "OS Define not found, so installer finds Lastest Version OS Define",
      "OS Major Version [0x0006] , minor version [0x0000], 64bit [0]",
      "Find Define ==> (0X00020600.PRO)",
      "Find Define ==> (0X00020600)",
  };
  for (int minor = 5; minor >= 1; --minor) {
    const std::string key = "0X000205" + std::string(minor < 10 ? "0" : "") + std::to_string(minor);
    expected.push_back("Find Define ==> (" + key + ".PRO)");
    expected.push_back("Find Define ==> (" + key + ")");
  }
  expected.push_back("OS String was found ==> [0X00020501]");
  EXPECT_EQ(medium_.LogLines(), expected);
}

TEST_F(OsDefineTest, WindowsMePresentingItselfAs98GetsTheMeKey) {
  ASSERT_EQ(CRegistry::SetValue("Software\\Microsoft\\Windows\\CurrentVersion", "VersionNumber", "4.90.3000"), 0);
  EXPECT_EQ(Find({"0X0001040A", "0X0001045A"}, Windows9x(10), false), "0X0001045A");
  ASSERT_EQ(CRegistry::SetValue("Software\\Microsoft\\Windows\\CurrentVersion", "VersionNumber", "4.10.2222"), 0);
  EXPECT_EQ(Find({"0X0001040A", "0X0001045A"}, Windows9x(10), false), "0X0001040A");
}

}  // namespace
