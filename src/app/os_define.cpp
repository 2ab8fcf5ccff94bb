#include "app/os_define.h"

#include <cstdint>
#include <vector>

#include "install/registry.h"
#include "platform/errors.h"
#include "profile/format.h"
#include "profile/log.h"
#include "profile/my_profile.h"

namespace app {

namespace {

constexpr const char* kOsDefineSection = "OS_DEFINE";
constexpr std::uint32_t kPlatformWindows9x = 1;
constexpr std::uint32_t kLowestWalkedMajor = 4;
constexpr std::uint32_t kHighestWalkedMinor = 5;
constexpr std::uint8_t kWorkstation = 1;
constexpr std::uint8_t kDomainController = 2;
constexpr std::uint8_t kServer = 3;
// Windows Me presents itself to some programs as Windows 98 (4.10); its
// VersionNumber tells it apart, and it then gets the key of 4.90.
constexpr const char* kWindowsVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kMeVersionMark = "4.90.";
constexpr const char* kMeKey = "0X0001045A";
constexpr std::size_t kVersionNumberSize = 260;

std::string PlatformKey(std::uint32_t platform_id, std::uint32_t major, std::uint32_t minor) {
  return profile::Format("0X%04X%02X%02X", platform_id, major, minor);
}

// The product-type forms of `key`, in the order they are tried.
std::vector<std::string> ProductTypeKeys(const std::string& key, const platform::OsVersionInfo& version) {
  if (!version.extended) return {};
  switch (version.product_type) {
    case kWorkstation: return {key + ".PRO"};
    case kDomainController: return {key + ".DOM", key + ".SER"};
    case kServer: return {key + ".SER"};
    default: return {};
  }
}

bool IsWindowsMeAs98(const platform::OsVersionInfo& version) {
  if (version.platform_id != kPlatformWindows9x || version.major != 4 || version.minor != 10) return false;
  char number[kVersionNumberSize] = {};
  return CRegistry::GetValue(kWindowsVersionKey, "VersionNumber", number, platform::HKEY_LOCAL_MACHINE,
                             sizeof number) == platform::kErrorSuccess &&
         std::string_view(number).find(kMeVersionMark) != std::string_view::npos;
}

bool Lookup(const CMyProfile& data, const std::string& key, std::string& define) {
  return data.GetString(kOsDefineSection, key.c_str(), define);
}

}  // namespace

bool FindOsDefine(const CMyProfile& data, const platform::OsVersionInfo& version, bool is_64bit,
                  std::string& define) {
  const std::string running = PlatformKey(version.platform_id, version.major, version.minor);
  if (is_64bit) {
    std::vector<std::string> keys = {running + ".64"};
    for (std::string& key : ProductTypeKeys(running + ".64", version)) keys.push_back(std::move(key));
    for (const std::string& key : keys) {
      if (Lookup(data, key, define)) return true;
    }
  }
  if (Lookup(data, IsWindowsMeAs98(version) ? kMeKey : running, define)) return true;
  if (version.platform_id == kPlatformWindows9x) return false;

  Log().Write("OS Define not found, so installer finds Lastest Version OS Define");
  Log().Write(profile::Format("OS Major Version [0x%04x] , minor version [0x%04x], 64bit [%d]", version.major,
                              version.minor, is_64bit ? 1 : 0));
  for (std::uint32_t major = version.major; major >= kLowestWalkedMajor; --major) {
    const std::uint32_t first_minor = major == version.major ? version.minor : kHighestWalkedMinor;
    for (std::uint32_t minor = first_minor + 1; minor-- > 0;) {
      const std::string plain = PlatformKey(version.platform_id, major, minor) + (is_64bit ? ".64" : "");
      std::vector<std::string> keys = ProductTypeKeys(plain, version);
      keys.push_back(plain);
      for (const std::string& key : keys) {
        Log().Write(profile::Format("Find Define ==> (%s)", key));
        if (Lookup(data, key, define)) {
          Log().Write(profile::Format("OS String was found ==> [%s]", define));
          return true;
        }
      }
    }
  }
  return false;
}

}  // namespace app
