// Ending the application, and the confirmation that CT_DLG_CANCEL asks for
// first.
#include "wizard/cmd_operator.h"

#include "app/global_variable.h"
#include "install/registry.h"

namespace {

constexpr const char* kDefaultCancelMessage =
    "Setup is not complete. If you quit the setup program now, the components you requested to add/remove will "
    "not be installed/uninstalled.\r\nYou may run the setup program at a later time to complete the "
    "operations.\r\nAre you sure you want to quit the setup?";
// The buttons that confirm quitting.
constexpr int kExitButton = 2;
constexpr int kYesButton = 1;

}  // namespace

bool CCmdOperator::ConfirmCancel() {
  std::string text;
  if (!environment_.Profiles().Configure().GetString("CANCEL_DLG", "CANCEL_MSG", text)) text = kDefaultCancelMessage;
  switch (cancel_type_) {
    case CancelType::kResumeExit:
      if (host_.AskUser(text, wizard::kStyleResumeExit) == kExitButton) EndApplication(true);
      break;
    case CancelType::kOkCancel:
      if (host_.AskUser(text, wizard::kStyleYesNo) == kYesButton) EndApplication(true);
      break;
    case CancelType::kNull: EndApplication(true); break;
  }
  return true;
}

void CCmdOperator::EndApplication(bool network_cleanup) {
  const CRegistryKey& keys = environment_.RegistryKeys();
  end_of_run_.MergeHistory(keys.InstallingHistory(), keys.InstalledHistory());
  if (!end_of_run_.IsThereInstalledItem()) {
    if (network_cleanup && environment_.Options().Network()) end_of_run_.StopNetworkDiscovery();
    end_of_run_.UninstallHistory(keys.InstalledHistory());
    CRegistry::DeleteKey(keys.Installed().c_str(), false);
  }
  CRegistry::DeleteKey(keys.Installing().c_str(), false);
  host_.Quit();
}
