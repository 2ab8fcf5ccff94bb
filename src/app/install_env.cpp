#include "app/install_env.h"

#include <vector>

#include "app/directory_removal.h"
#include "app/global_variable.h"
#include "app/port_check.h"
#include "install/create_directories.h"
#include "install/registry.h"
#include "platform/code_page_text.h"
#include "platform/errors.h"
#include "platform/system_info.h"
#include "platform/windows_path.h"
#include "profile/format.h"
#include "profile/log.h"

namespace {

constexpr const char* kProgramInfo = "PROGRAM_INFO";
constexpr const char* kDestinationValue = "Dest_Dir";
constexpr const char* kFilePort = "FILE:";
constexpr const char* kParallelPort = "LPT1:";
constexpr std::size_t kPathSize = 260;

}  // namespace

void CInstallEnv::StoreDestination(std::string_view directory) {
  destination_ = directory;
  if (platform::EndsWithSeparator(destination_, platform::GetActiveCodePage())) destination_.pop_back();
  install_directory_ = profile::Format("%s\\Install", destination_);
}

void CInstallEnv::Init(CGlobalVariable& environment) {
  environment_ = &environment;
  const CProgramInfo& program = environment.ProgramInfo();
  manufacturer_ = program.Manufacturer();
  model_ = program.Model();
  vid_pid_ = program.VidPid();
  installer_directory_ = environment.SourceDirectory();

  const CRegistryKey& keys = environment.RegistryKeys();
  char recorded[kPathSize] = {};
  std::string destination;
  if (CRegistry::GetValue(keys.Installed().c_str(), kDestinationValue, recorded, platform::HKEY_LOCAL_MACHINE,
                          sizeof recorded) == platform::kErrorSuccess) {
    destination = recorded;
  } else if (!environment.Profiles().Data().GetString(kProgramInfo, "DESTINATION_DIR", destination)) {
    destination = profile::Format("%s\\%s\\%s", environment.SystemDirs().ProgramFilesDirectory(), manufacturer_,
                                  program.ProgramName());
  }
  StoreDestination(destination);
  initial_destination_ = destination_;
  install::CreateDirectories(destination_, keys.InstallingHistory());

  port_ = DefaultPort();
}

void CInstallEnv::SetOsDefine(std::string define, std::string directory) {
  os_define_ = std::move(define);
  os_directory_ = std::move(directory);
}

std::string CInstallEnv::DefaultPort() const {
  std::string port;
  if (environment_->Profiles().Data().GetString(kProgramInfo, "DEFAULT_PORT", port) && app::PortExists(port)) {
    return port;
  }
  if (environment_->Options().UsbOnly()) return kFilePort;
  return app::PortExists(kParallelPort) ? kParallelPort : kFilePort;
}

void CInstallEnv::SetDestination(std::string_view directory) {
  std::string target(directory);
  if (target.empty()) {
    target = environment_->ExpandDefinedStrings(initial_destination_, 0, {}, {});
    Log().Write(profile::Format("Reset Destination Directory [%s]", target));
  }
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  if (code_page.Equal(environment_->ExpandDefinedStrings(target, 0, {}, {}),
                      environment_->ExpandDefinedStrings(destination_, 0, {}, {}))) {
    return;
  }
  app::RemoveDirectories(destination_);
  Log().Write(profile::Format("Set Destination ==> %s", target));
  StoreDestination(target);
  const CRegistryKey& keys = environment_->RegistryKeys();
  CRegistry::SetValue(keys.Installing().c_str(), kDestinationValue, destination_.c_str());
  install::CreateDirectories(destination_, keys.InstallingHistory());
}

void CInstallEnv::SetPort(std::string_view port) {
  port_ = port.empty() ? DefaultPort() : std::string(port);
  Log().Write(profile::Format("Set Port : %s", port_));
}

void CInstallEnv::SetIP(std::string_view ip) {
  ip_ = ip;
  Log().Write(profile::Format("Set IP : %s", ip_));
}

void CInstallEnv::SetPrinterInstalled(bool installed) {
  printer_installed_ = installed;
  if (installed) Log().Write("Printer was installed");
}

bool CInstallEnv::FindDevicePort(bool check) {
  std::vector<std::string> ports;
  const std::int32_t count =
      environment_->Modules().GetDevicePort(manufacturer_, model_, vid_pid_, ports);
  if (count < 1 || ports.empty()) return false;
  SetPort(ports.front());
  port_found_ = true;
  if (!check) return true;
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  return code_page.Upper(ports.front()).find("LPT") != std::string::npos;
}
