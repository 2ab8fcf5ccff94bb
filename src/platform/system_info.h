// What the installer asks of the system about itself: the version, the
// 64-bit tests, the language, names, free disk space and the user's rights.
// Everything comes from the machine's configuration (machine.ini), except
// free space, which is measured on the host unless the machine overrides it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The version record of the system, as the extended version query fills it.
struct OsVersionInfo {
  std::uint32_t platform_id = 0;  // 1 Windows 95/98/Me, 2 NT family
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
  std::string service_pack;  // "Service Pack 3", "A", ...; may be empty
  // The extended part (product type, suite mask) exists on NT 5 and later
  // only; elsewhere `extended` is false and both are 0.
  bool extended = false;
  std::uint8_t product_type = 0;  // 1 workstation, 2 domain controller, 3 server
  std::uint16_t suite_mask = 0;
};

OsVersionInfo GetVersionInfo();

// True when the system is 64-bit.
bool Is64BitSystem();
// True when the installer runs as a 32-bit process on a 64-bit system.
bool IsWow64Process();

std::uint16_t GetSystemDefaultUILanguage();
std::uint32_t GetActiveCodePage();
std::string GetComputerName();
std::string GetUserName();

// True when the user is a member of the Administrators group.
bool IsUserAdministrator();

// The bytes free to the caller on the drive of `path` ("C:\", "C:\x\y";
// empty or relative: the drive of the current directory): the machine's
// [disk] override for that letter when present, else what the host
// filesystem holding the drive's directory reports. 3 for an unknown drive
// or a path without a drive letter (a network path).
long GetDiskFreeSpace(std::string_view path, std::uint64_t& free_bytes);

}  // namespace platform
