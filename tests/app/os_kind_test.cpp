#include <gtest/gtest.h>

#include "app/os_kind.h"

namespace {

using platform::OsVersionInfo;

OsVersionInfo Version(std::uint32_t platform_id, std::uint32_t major, std::uint32_t minor,
                      std::uint8_t product_type = 1, const char* service_pack = "") {
  OsVersionInfo version;
  version.platform_id = platform_id;
  version.major = major;
  version.minor = minor;
  version.service_pack = service_pack;
  version.extended = platform_id == 2 && major >= 5;
  if (version.extended) version.product_type = product_type;
  return version;
}

TEST(OsKindTest, CodeAndFamilyOfEachSystem) {
  struct Case {
    const char* system;
    OsVersionInfo version;
    bool is_64bit;
    int code;
    int family;
  };
  const Case cases[] = {
      {"Win32s", Version(0, 3, 10), false, 2, 2},
      {"Windows 95", Version(1, 4, 0), false, 3, 10},
      {"Windows 95 B", Version(1, 4, 0, 0, "B"), false, 4, 10},
      {"Windows 95 c", Version(1, 4, 0, 0, "c"), false, 4, 10},
      {"Windows 95 with a longer text", Version(1, 4, 0, 0, " B"), false, 3, 10},
      {"Windows 98", Version(1, 4, 10), false, 6, 10},
      {"Windows 98 SE", Version(1, 4, 10, 0, "A"), false, 7, 10},
      {"Windows Me", Version(1, 4, 90), false, 9, 10},
      {"another 9x", Version(1, 4, 3), false, 10, 10},
      {"NT 3.51", Version(2, 3, 51), false, 11, 15},
      {"NT 4", Version(2, 4, 0), false, 12, 15},
      {"Windows 2000", Version(2, 5, 0), false, 13, 17},
      {"Windows XP", Version(2, 5, 1), false, 14, 17},
      {"XP x64", Version(2, 5, 2, 1), true, 14, 17},
      {"Server 2003", Version(2, 5, 2, 3), false, 16, 17},
      {"Server 2003 x64", Version(2, 5, 2, 3), true, 16, 17},
      {"5.2 workstation, 32-bit", Version(2, 5, 2, 1), false, 16, 17},
      {"Vista", Version(2, 6, 0, 1), false, 18, 17},
      {"Windows 7 x64", Version(2, 6, 1, 1), true, 18, 17},
      {"Server 2008 R2", Version(2, 6, 1, 3), true, 19, 17},
      {"domain controller 6.3", Version(2, 6, 3, 2), false, 19, 17},
      {"Windows 10", Version(2, 10, 0, 1), true, 18, 17},
      {"Windows 10 32-bit", Version(2, 10, 0, 1), false, 18, 17},
      {"Server 2019", Version(2, 10, 0, 3), true, 19, 17},
      {"Windows 10 domain controller", Version(2, 10, 0, 2), true, 19, 17},
      {"unknown platform", Version(3, 1, 0), false, 0, 0},
  };
  for (const Case& c : cases) {
    const app::OsKind kind = app::ClassifyOs(c.version, c.is_64bit);
    EXPECT_EQ(kind.code, c.code) << c.system;
    EXPECT_EQ(kind.family, c.family) << c.system;
  }
}

}  // namespace
