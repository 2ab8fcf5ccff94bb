#include "wizard/cmd_operator.h"

#include "app/global_variable.h"
#include "install/registry_commands.h"
#include "install/supported_section.h"
#include "platform/code_page_text.h"
#include "platform/system_info.h"
#include "profile/format.h"
#include "profile/log.h"
#include "wizard/command_section.h"

using wizard::CommandRecord;
using wizard::CommandType;

namespace {

// Shows the host's wait cursor while it lives.
class WaitCursor {
 public:
  explicit WaitCursor(wizard::IWizardHost& host) : host_(host) { host_.BeginWaitCursor(); }
  ~WaitCursor() { host_.EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  wizard::IWizardHost& host_;
};

struct CancelTypeName {
  const char* name;
  CCmdOperator::CancelType type;
};

constexpr CancelTypeName kCancelTypes[] = {
    {"RESUME_EXIT", CCmdOperator::CancelType::kResumeExit},
    {"OK_CANCEL", CCmdOperator::CancelType::kOkCancel},
    {"NULL", CCmdOperator::CancelType::kNull},
};

}  // namespace

CCmdOperator::CCmdOperator(CGlobalVariable& environment, CInstallerModules& modules, wizard::IWizardHost& host,
                           wizard::IEndOfRun& end_of_run, wizard::IPrinterQueries& printers)
    : environment_(environment),
      modules_(modules),
      host_(host),
      end_of_run_(end_of_run),
      printers_(printers),
      waiter_(host) {}

void CCmdOperator::Init() {
  std::string text;
  if (!environment_.Profiles().Configure().GetString("DLG_COMMON", "CANCEL_TYPE", text)) return;
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  for (const CancelTypeName& entry : kCancelTypes) {
    if (code_page.Equal(text, entry.name)) cancel_type_ = entry.type;
  }
}

bool CCmdOperator::Execute(const CommandRecord& record) {
  const WaitCursor cursor(host_);
  const auto& p = record.parameters;
  Log().Write(profile::Format("Call Command : Type = %s, Param1=%s,Param2=%s,Param3=%s,Param4=%s,Param5=%s",
                              record.type, p[0], p[1], p[2], p[3], p[4]));
  const std::optional<CommandType> type = wizard::FindCommandType(record.type);
  return type ? Dispatch(*type, record) : true;
}

bool CCmdOperator::Dispatch(CommandType type, const CommandRecord& record) {
  const std::string& p1 = record.Parameter(1);
  const std::string& p2 = record.Parameter(2);
  switch (type) {
    case CommandType::kOpenDialog: host_.OpenDialog(p1); return true;
    case CommandType::kDialogBack: host_.OpenPreviousDialog(); return true;
    case CommandType::kDialogCancel: return ConfirmCancel();
    case CommandType::kDoModal: host_.DoModal(p1); return true;
    case CommandType::kShowToggle: return host_.ToggleObjects(p1);
    case CommandType::kDialogHelp:
    case CommandType::kRunDll:
    case CommandType::kRunDllAndTerminate:
    case CommandType::kViewLicense: return true;
    case CommandType::kExeNoWait:
    case CommandType::kExeWait:
    case CommandType::kExeActive:
    case CommandType::kExeAndTerminate: return ExecuteProgram(type, record);
    case CommandType::kOpenFileNoWait:
    case CommandType::kOpenFileWait: return OpenFile(p1);
    case CommandType::kOpenUrl: return OpenUrl(p1);
    case CommandType::kOpenBrowse: return OpenBrowse(p1);
    case CommandType::kOpenManual: return OpenManual(p1, p2);
    case CommandType::kAppTerminate: EndApplication(false); return true;
    case CommandType::kCommand: return RunCommandSection(p1);
    case CommandType::kFindLocalPrinter: return FindLocalPrinter(p1, p2);
    case CommandType::kOpenTestPage: return OpenTestPage(p1, p2);
    case CommandType::kPrintTestPage:
    case CommandType::kPrintMetaTestPage:
    case CommandType::kPrintPrnTestPage: return PrintTestPage(type, record);
    case CommandType::kDiagnosis: return Diagnose(p1);
    case CommandType::kRefreshSystem:
    case CommandType::kRemoveHardwareDialog:
    case CommandType::kRemoveDevice:
    case CommandType::kStartPreventPnp:
    case CommandType::kEndPreventPnp: return CallDeviceEntry(type);
    case CommandType::kChangeLanguage: return ChangeLanguage(p1);
    case CommandType::kSetRemoteInstall: return SetRemoteInstall(p1);
    case CommandType::kSetInstallType: return SetInstallType(p1);
    case CommandType::kSetSetupType: return SetSetupType(p1);
    case CommandType::kAddRegistry:
      return install::AddRegistrySection(environment_.Profiles().Command(), environment_, p1);
    case CommandType::kDeleteRegistry:
      return install::DeleteRegistrySection(environment_.Profiles().Command(), environment_, p1);
    case CommandType::kCheckItem:
    case CommandType::kWriteItemInfo:
    case CommandType::kCopyFile:
    case CommandType::kDeleteFile:
    case CommandType::kInstallUpdate:
    case CommandType::kDeleteAll:
    case CommandType::kRunRemoteInstall: return RunHandler(type, record);
  }
  return true;
}

bool CCmdOperator::RunCommandSection(std::string_view section) {
  CProfileSet& profiles = environment_.Profiles();
  return wizard::RunCommandSection(profiles.Configure(), profiles.Command(), section,
                                   [this](const CommandRecord& record) { return Execute(record); });
}

bool CCmdOperator::RunCommandLine(std::string_view line) { return Execute(wizard::ParseCommandLine(line)); }

bool CCmdOperator::RunTarget(std::string_view target) {
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  if (code_page.Equal(target.substr(0, 3), "CT_")) return RunCommandLine(target);
  host_.OpenDialog(target);
  return true;
}

bool CCmdOperator::IsSupportedSection(const char* section) const {
  return install::IsSupportedSection(environment_.Profiles().Command(), section, environment_);
}

bool CCmdOperator::SetHandler(CommandType type, Handler handler) {
  if (!wizard::IsHandledElsewhere(type)) return false;
  handlers_[static_cast<std::size_t>(type)] = std::move(handler);
  return true;
}

bool CCmdOperator::RunHandler(CommandType type, const CommandRecord& record) {
  const Handler& handler = handlers_[static_cast<std::size_t>(type)];
  if (handler) return handler(record);
  Log().Write(profile::Format("%s is not available yet", wizard::CommandTypeName(type)));
  return false;
}
