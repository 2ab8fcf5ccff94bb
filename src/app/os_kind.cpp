#include "app/os_kind.h"

#include "platform/code_page_text.h"

namespace app {

namespace {

constexpr std::uint32_t kPlatformWin32s = 0;
constexpr std::uint32_t kPlatformWindows9x = 1;
constexpr std::uint32_t kPlatformNt = 2;
constexpr std::uint8_t kWorkstation = 1;

bool ServicePackIs(const platform::OsVersionInfo& version, std::string_view text) {
  return platform::CodePageText().Equal(version.service_pack, text);
}

int Windows9xCode(const platform::OsVersionInfo& version) {
  if (version.major == 4 && version.minor == 0) {
    return ServicePackIs(version, "B") || ServicePackIs(version, "C") ? kOsWindows95Osr2 : kOsWindows95;
  }
  if (version.major == 4 && version.minor == 10) return ServicePackIs(version, "A") ? kOsWindows98Se : kOsWindows98;
  if (version.major == 4 && version.minor == 90) return kOsWindowsMe;
  return kOsOther9x;
}

int NtCode(const platform::OsVersionInfo& version, bool is_64bit) {
  const bool workstation = version.product_type == kWorkstation || !version.extended;
  if (version.major <= 3) return kOsNt3;
  if (version.major == 4) return kOsNt4;
  if (version.major == 5) {
    if (version.minor == 0) return kOsWindows2000;
    if (version.minor == 2) return workstation && is_64bit ? kOsWindowsXp : kOsServer2003;
    return kOsWindowsXp;
  }
  return workstation ? kOsNt6Workstation : kOsNt6Server;
}

}  // namespace

OsKind ClassifyOs(const platform::OsVersionInfo& version, bool is_64bit) {
  switch (version.platform_id) {
    case kPlatformWin32s: return {kOsWin32s, kOsFamilyWin32s};
    case kPlatformWindows9x: return {Windows9xCode(version), kOsFamilyWindows9x};
    case kPlatformNt: {
      const int code = NtCode(version, is_64bit);
      return {code, code <= kOsNt4 ? kOsFamilyNt4 : kOsFamilyNt5};
    }
    default: return {};
  }
}

}  // namespace app
