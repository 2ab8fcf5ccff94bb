// The installer's codes for the operating system: a fine code that selects
// OS directories and behaviour, and the family it belongs to.
#pragma once

#include "platform/system_info.h"

namespace app {

enum OsFamily : int {
  kOsFamilyNone = 0,
  kOsFamilyWin32s = 2,
  kOsFamilyWindows9x = 10,  // Windows 95, 98 and Me
  kOsFamilyNt4 = 15,        // NT 3 and 4
  kOsFamilyNt5 = 17,        // NT 5 and later
};

enum OsCode : int {
  kOsNone = 0,
  kOsWin32s = 2,
  kOsWindows95 = 3,
  kOsWindows95Osr2 = 4,  // service-pack text "B" or "C"
  kOsWindows98 = 6,
  kOsWindows98Se = 7,  // service-pack text "A"
  kOsWindowsMe = 9,
  kOsOther9x = 10,
  kOsNt3 = 11,
  kOsNt4 = 12,
  kOsWindows2000 = 13,
  kOsWindowsXp = 14,
  kOsServer2003 = 16,
  kOsNt6Workstation = 18,  // Vista and later, Windows 10 and 11 included
  kOsNt6Server = 19,
};

struct OsKind {
  int code = kOsNone;
  int family = kOsFamilyNone;
};

// The code and family of the system `version` describes; `is_64bit` says
// whether the installer runs as a 32-bit process on a 64-bit system.
// Versions from 6 up (Vista to Windows 11) are all 18 for a workstation and
// 19 for a server or domain controller. An unknown platform gives 0.
OsKind ClassifyOs(const platform::OsVersionInfo& version, bool is_64bit);

}  // namespace app
