#include "app/system_dir.h"

#include "install/registry.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/system_info.h"

namespace {

constexpr std::uint32_t kPlatformNt = 2;
constexpr std::uint8_t kServer = 3;
constexpr std::uint16_t kTerminalServerSuite = 0x10;
constexpr std::size_t kPathSize = 260;

// A string value below HKEY_LOCAL_MACHINE, or empty.
std::string RegistryText(const char* key, const char* name) {
  char text[kPathSize] = {};
  if (CRegistry::GetValue(key, name, text, platform::HKEY_LOCAL_MACHINE, sizeof text) != platform::kErrorSuccess) {
    return {};
  }
  return text;
}

std::string WithoutTrailingSeparator(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace

void CSystemDir::Init() {
  const platform::Machine& machine = platform::CurrentMachine();
  const platform::OsVersionInfo version = platform::GetVersionInfo();
  system_ = machine.SystemDirectory();
  if (version.platform_id == kPlatformNt && version.product_type == kServer &&
      (version.suite_mask & kTerminalServerSuite)) {
    windows_ = RegistryText("Software\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot");
    if (windows_.empty()) windows_ = system_.substr(0, system_.rfind('\\'));
  } else {
    windows_ = machine.WindowsDirectory();
  }
  inf_ = windows_ + "\\Inf";
  program_files_ = RegistryText("Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
  temp_ = WithoutTrailingSeparator(platform::GetTempPath());
  is_64bit_ = platform::IsWow64Process();
}
