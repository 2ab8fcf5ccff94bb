// Commands that set up the run: language, remote install, install and
// setup type, and the choices that depend on a connected printer.
#include "wizard/cmd_operator.h"

#include <cstdlib>

#include "app/global_variable.h"
#include "install/registry.h"
#include "platform/code_page_text.h"
#include "platform/system_info.h"
#include "profile/profile_number.h"
#include "profile/profile_text.h"

namespace {

struct SetupTypeName {
  const char* name;
  std::uint32_t setup_type;
};

// The start modes a command can record; anything else records 0.
constexpr SetupTypeName kSetupTypes[] = {{"INSTALL", 1}, {"UNINST", 2}, {"REINST", 3}};

}  // namespace

bool CCmdOperator::ChangeLanguage(const std::string& language_id) {
  if (environment_.SetLanguage(profile::StringToDword(language_id), true)) host_.LanguageChanged();
  return true;
}

bool CCmdOperator::SetRemoteInstall(const std::string& value) {
  const std::string trimmed(profile::TrimBlanks(value));
  environment_.Options().SetRemoteInstall(std::strtol(trimmed.c_str(), nullptr, 10) != 0);
  return true;
}

bool CCmdOperator::SetInstallType(const std::string& install_type) {
  CRegistry::SetValue(environment_.RegistryKeys().Installing().c_str(), "Install_Type", install_type.c_str());
  return true;
}

bool CCmdOperator::SetSetupType(const std::string& setup_type) {
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  std::uint32_t value = 0;
  for (const SetupTypeName& entry : kSetupTypes) {
    if (code_page.Equal(setup_type, entry.name)) value = entry.setup_type;
  }
  CRegistry::SetValue(environment_.RegistryKeys().Installing().c_str(), "Setup_Type", value);
  return true;
}

bool CCmdOperator::FindLocalPrinter(const std::string& connected_target, const std::string& other_target) {
  if (!environment_.InstallEnv().FindDevicePort(false)) return RunTarget(other_target);
  Execute(wizard::MakeCommandRecord(wizard::CommandTypeName(wizard::CommandType::kWriteItemInfo)));
  return RunTarget(connected_target);
}

bool CCmdOperator::OpenTestPage(const std::string& installed_page, const std::string& other_page) {
  const bool installed_here =
      environment_.InstallEnv().FindDevicePort(false) && environment_.InstallEnv().PrinterInstalled();
  const std::string& page = installed_here || other_page.empty() ? installed_page : other_page;
  host_.PostCommand(wizard::MakeCommandRecord(wizard::CommandTypeName(wizard::CommandType::kOpenDialog), {page}));
  return true;
}
