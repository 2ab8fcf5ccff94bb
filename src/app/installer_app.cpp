#include "app/installer_app.h"

#include "app/admin_check.h"
#include "app/os_kind.h"
#include "app/start_mode.h"
#include "app/sys_requirement.h"
#include "app/system_error.h"
#include "install/registry.h"
#include "platform/activation_channel.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "profile/format.h"
#include "wizard/dialog_service.h"

namespace {

// How often the PnP threads call their module entry.
constexpr std::chrono::seconds kPnPPeriod(5);
constexpr std::size_t kValueSize = 260;

// OS_Ver of the installation record.
constexpr std::uint32_t kOsVer9x = 1;
constexpr std::uint32_t kOsVerNt4 = 2;
constexpr std::uint32_t kOsVerNt = 4;
constexpr std::uint32_t kOsVerWow64 = 5;

bool HasInstalledDestination(const CGlobalVariable& environment, std::string& destination) {
  char buffer[kValueSize] = {};
  if (CRegistry::GetValue(environment.RegistryKeys().Installed().c_str(), "Dest_Dir", buffer,
                          platform::HKEY_LOCAL_MACHINE, sizeof buffer) != 0) {
    return false;
  }
  destination = buffer;
  return true;
}

// True when the setting file exists and its INSTALL / SILENT is "1".
bool SettingFileAsksSilent(const std::string& setting_file) {
  if (setting_file.empty() || !platform::FileExists(setting_file)) return false;
  CProfile settings;
  settings.Create(setting_file.c_str(), nullptr);
  std::string silent;
  return settings.GetString("INSTALL", "SILENT", silent, false) == 0 && silent == "1";
}

}  // namespace

CInstallerApp::CInstallerApp(std::string program_file_name, std::string command_line)
    : log_(std::move(program_file_name)), command_line_(std::move(command_line)) {
  SetLog(&log_);
  // Until a window system offers to show them, questions go to the log.
  wizard::SetDialogService(nullptr);
  auto modules = std::make_unique<CInstallerModules>();
  modules_ = modules.get();
  environment_ = std::make_unique<CGlobalVariable>(std::move(modules));
  modules_->SetEnvironment(environment_.get());
  run_ending_.Bind(*environment_);
}

CInstallerApp::~CInstallerApp() {
  compress_pnp_.Stop();
  active_pnp_.Stop();
  environment_.reset();
  SetLog(nullptr);
}

void CInstallerApp::Fail(int status, const std::string& log_line, const std::string& reason) {
  if (!log_line.empty()) Log().Write(log_line);
  exit_status_ = status;
  failure_reason_ = reason;
}

CInstallerApp::Road CInstallerApp::InitInstance() {
  CGlobalVariable& environment = *environment_;
  if (!environment.Init()) {
    Fail(kExitNoEnvironment, "Initilize global variable fail",
         "the run environment could not be built from the medium (no data file or profiles)");
    return Road::kEnd;
  }
  if (!CheckInstance()) {
    Fail(kExitOtherInstance, "There is a previous running instance of this application, so it is terminated.",
         "another installer of this product is running");
    return Road::kEnd;
  }
  // Whether the run has windows is settled before anything may ask the
  // user: a run without windows never shows a question, it logs it.
  start_mode_ = app::ReadCommandLine(command_line_, environment, silent_);
  const bool script = start_mode_ == app::kStartInstall && SettingFileAsksSilent(environment.Profiles().SettingFile());
  if (script) silent_ = true;
  if (silent_) wizard::SetDialogService(nullptr);
  if (environment.Options().DeviceInstall() && environment.Os().family != app::kOsFamilyWindows9x && !app::IsAdmin()) {
    std::string message;
    if (environment.Profiles().Data().GetString("SYSTEM_REQUIREMENT", "MSG_IS_NOT_ADMIN", message)) {
      platform::ShowMessageBox(message, environment.ProgramInfo().ProgramName(), platform::kMbOk);
      Fail(kExitNotAdministrator, {}, "the installer must run as an administrator");
      return Road::kEnd;
    }
  }
  if (start_mode_ == app::kStartInstall) {
    std::string destination;
    if (!HasInstalledDestination(environment, destination)) {
      CSysRequirement requirement(environment);
      if (!requirement.Check(environment.Options().UsbOnly(), environment.Options().Network())) {
        Fail(kExitRequirements, "This system could not satisfy the installer Minimum Requirement!",
             "the system does not meet the product's minimum requirements");
        return Road::kEnd;
      }
    }
    if (script) start_mode_ = app::kStartScript;
  }
  if (silent_) {
    // Two silent runs side by side would share the Installing key.
    if (!mutex_.IsOwned()) {
      Fail(kExitOtherInstance, "Another installer of this product is running, so the silent run ends.",
           "another installer of this product is running");
      return Road::kEnd;
    }
    RunSilent();
    return Road::kEnd;
  }
  return Road::kInteractive;
}

void CInstallerApp::RunSilent() {
  CGlobalVariable& environment = *environment_;
  std::string destination;
  if (HasInstalledDestination(environment, destination)) environment.InstallEnv().SetDestination(destination);
  switch (start_mode_) {
    case app::kStartInstall:
    case app::kStartScript:
      WriteSetupRecord(true);
      CallPreInstaller(0);
      [[fallthrough]];
    case app::kStartUninstall:
    case app::kStartReinstall:
      Fail(kExitNotAvailable, "Silent installation is not available yet",
           "installing, reinstalling or uninstalling without windows is not available yet");
      return;
    default: return;
  }
}

bool CInstallerApp::CheckInstance() {
  const std::string name =
      profile::Format("%s Installer Program", environment_->ProgramInfo().ProgramName());
  const long created = mutex_.Create(name);
  if (created != 183) return true;
  // Another installer holds the mutex: its wizard, when it has one, is
  // asked to come to the front.
  return platform::RequestActivation(name);
}

void CInstallerApp::WriteSetupRecord(bool with_program_info) {
  CGlobalVariable& environment = *environment_;
  if (environment.Options().MainOnly()) return;
  const char* key = environment.RegistryKeys().Installing().c_str();
  if (with_program_info) {
    const CProgramInfo& info = environment.ProgramInfo();
    CRegistry::SetValue(key, "MFG", info.Manufacturer().c_str());
    CRegistry::SetValue(key, "MDL", info.Model().c_str());
    CRegistry::SetValue(key, "VIDPID", info.VidPid().c_str());
    CRegistry::SetValue(key, "Printer_Port", info.VidPid().c_str());
    CRegistry::SetValue(key, "Program_Name", info.ProgramName().c_str());
  }
  const CLanguage& language = environment.Language();
  CRegistry::SetValue(key, "LangCode", static_cast<std::uint32_t>(language.OrgLcid()));
  CRegistry::SetValue(key, "LangAbbr", language.CurrentAbbreviation().c_str());
  CRegistry::SetValue(key, "Dest_Dir", environment.InstallEnv().Destination().c_str());
  CRegistry::SetValue(key, "Win_Dir", environment.SystemDirs().WindowsDirectory().c_str());
  CRegistry::SetValue(key, "Temp_Dir", environment.SystemDirs().TempDirectory().c_str());
  CRegistry::SetValue(key, "STR_FILE", environment.Profiles().StringFile().c_str());
  std::uint32_t os_ver = environment.SystemDirs().Is64Bit() ? kOsVerWow64 : kOsVerNt;
  if (environment.Os().family == app::kOsFamilyWindows9x) os_ver = kOsVer9x;
  if (environment.Os().family == app::kOsFamilyNt4) os_ver = kOsVerNt4;
  CRegistry::SetValue(key, "OS_Ver", os_ver);
}

bool CInstallerApp::CallPreInstaller(std::uintptr_t window) {
  CGlobalVariable& environment = *environment_;
  const std::string command =
      profile::Format("/P %s /S %s /D %s /R %s /L %s /A %s", environment.Profiles().DataFile(),
                      environment.SourceDirectory(), environment.InstallEnv().Destination(),
                      environment.RegistryKeys().InstallingHistory(), environment.Language().CurrentDirectory(),
                      environment.Language().CurrentAbbreviation());
  Log().Write(profile::Format("Call Pre-Installer : Command ==> %s", command));
  modules_->Preinstall(command, static_cast<InkWindow>(window));
  return true;
}

bool CInstallerApp::PnPThreadsAllowed() const {
  const int code = environment_->Os().code;
  return code != app::kOsWindows95 && code != app::kOsWindows95Osr2 && code != app::kOsNt3 && code != app::kOsNt4;
}

void CInstallerApp::StartCompressPnPThread() {
  if (!PnPThreadsAllowed() || compress_pnp_.Running()) return;
  if (!compress_pnp_.Start(kPnPPeriod, [this] { modules_->RemoveHardwareWizardDialog(); })) {
    Log().WriteError(14, "Create Compress PnP Thread error!!");
  }
}

void CInstallerApp::StopCompressPnPThread() { compress_pnp_.Stop(); }

void CInstallerApp::StartActivePnPThread() {
  if (!PnPThreadsAllowed() || active_pnp_.Running()) return;
  if (!active_pnp_.Start(kPnPPeriod, [this] { modules_->MySetForegroundNHWdDialog(); })) {
    Log().WriteError(14, "Create Active PnP Thread error!!");
  }
}

void CInstallerApp::StopActivePnPThread() { active_pnp_.Stop(); }

void CInstallerApp::ExitInstance() {
  Log().Write("End of installation");
  mutex_.Release();
  compress_pnp_.Stop();
  active_pnp_.Stop();
}
