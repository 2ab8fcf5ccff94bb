#include "platform/system_info.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <cctype>
#include <limits>

#include "platform/errors.h"
#include "platform/machine.h"

namespace platform {

namespace {

constexpr std::uint32_t kPlatformNt = 2;
constexpr std::uint32_t kFirstExtendedMajor = 5;
constexpr std::uint64_t kBytesPerMegabyte = 1024 * 1024;

// The configuration of the current machine.
const MachineConfig& Config() { return CurrentMachine().Config(); }

// True for the two path separators of Windows.
bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The upper-case drive letter of a Windows path, or 0 for a network path.
char DriveLetterOf(std::string_view path) {
  const auto has_drive = [](std::string_view text) { return text.size() >= 2 && text[1] == ':'; };
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return 0;
  const std::string current = has_drive(path) ? std::string() : CurrentMachine().CurrentDirectory();
  const std::string_view with_drive = has_drive(path) ? path : current;
  if (!has_drive(with_drive)) return 0;
  return static_cast<char>(std::toupper(static_cast<unsigned char>(with_drive[0])));
}

}  // namespace

OsVersionInfo GetVersionInfo() {
  const MachineConfig& config = Config();
  OsVersionInfo info;
  info.platform_id = config.platform_id;
  info.major = config.major;
  info.minor = config.minor;
  info.build = config.build;
  info.service_pack = config.service_pack;
  info.extended = config.platform_id == kPlatformNt && config.major >= kFirstExtendedMajor;
  if (info.extended) {
    info.product_type = config.product_type;
    info.suite_mask = config.suite_mask;
  }
  return info;
}

bool Is64BitSystem() { return Config().is_64bit; }

bool IsWow64Process() { return Config().is_64bit && Config().wow64_process; }

std::uint16_t GetSystemDefaultUILanguage() { return Config().ui_language; }

std::uint32_t GetActiveCodePage() { return Config().code_page; }

std::string GetComputerName() { return Config().computer_name; }

std::string GetUserName() { return Config().user_name; }

bool IsUserAdministrator() { return Config().is_administrator; }

long GetDiskFreeSpace(std::string_view path, std::uint64_t& free_bytes) {
  const char letter = DriveLetterOf(path);
  const Drive* drive = letter ? CurrentMachine().FindDrive(letter) : nullptr;
  if (!drive) return kErrorPathNotFound;
  const auto& overrides = Config().free_space_mb;
  if (const auto found = overrides.find(letter); found != overrides.end()) {
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() / kBytesPerMegabyte;
    free_bytes = std::min(found->second, limit) * kBytesPerMegabyte;
    return kErrorSuccess;
  }
  struct statvfs stats;
  if (::statvfs(drive->host_dir.c_str(), &stats) != 0) return kErrorPathNotFound;
  free_bytes = static_cast<std::uint64_t>(stats.f_bavail) * stats.f_frsize;
  return kErrorSuccess;
}

}  // namespace platform
