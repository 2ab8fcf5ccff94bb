#include "wizard/command_types.h"

#include <iterator>

#include "platform/code_page_text.h"

namespace wizard {

namespace {

struct CommandTypeInfo {
  std::string_view name;
  CommandType type;
  bool handled_elsewhere;
};

// In the order of CommandType.
constexpr CommandTypeInfo kCommandTypes[] = {
    {"CT_OPEN_DLG", CommandType::kOpenDialog, false},
    {"CT_DLG_BACK", CommandType::kDialogBack, false},
    {"CT_DLG_CANCEL", CommandType::kDialogCancel, false},
    {"CT_DLG_HELP", CommandType::kDialogHelp, false},
    {"CT_DO_MODAL", CommandType::kDoModal, false},
    {"CT_EXE_FILE_NOWAIT", CommandType::kExeNoWait, false},
    {"CT_EXE_FILE_WAIT", CommandType::kExeWait, false},
    {"CT_EXE_FILE_ACTIVE", CommandType::kExeActive, false},
    {"CT_EXE_AND_TERMINATE", CommandType::kExeAndTerminate, false},
    {"CT_RUNDLL", CommandType::kRunDll, false},
    {"CT_RUNDLL_AND_TERMINATE", CommandType::kRunDllAndTerminate, false},
    {"CT_OPEN_FILE_NOWAIT", CommandType::kOpenFileNoWait, false},
    {"CT_OPEN_FILE_WAIT", CommandType::kOpenFileWait, false},
    {"CT_OPEN_URL", CommandType::kOpenUrl, false},
    {"CT_OPEN_BROWSE", CommandType::kOpenBrowse, false},
    {"CT_OPEN_MANUAL", CommandType::kOpenManual, false},
    {"CT_APP_TERMINATE", CommandType::kAppTerminate, false},
    {"CT_COMMAND", CommandType::kCommand, false},
    {"CT_FIND_LOCAL_PRINTER", CommandType::kFindLocalPrinter, false},
    {"CT_CHECK_ITEM", CommandType::kCheckItem, true},
    {"CT_OPEN_TEST_PAGE", CommandType::kOpenTestPage, false},
    {"CT_PRINT_TEST_PAGE", CommandType::kPrintTestPage, false},
    {"CT_PRINT_META_TEST_PAGE", CommandType::kPrintMetaTestPage, false},
    {"CT_PRINT_PRN_TEST_PAGE", CommandType::kPrintPrnTestPage, false},
    {"CT_DIAGNOSIS", CommandType::kDiagnosis, false},
    {"CT_REFRESH_SYSTEM", CommandType::kRefreshSystem, false},
    {"CT_RMHW_DLG", CommandType::kRemoveHardwareDialog, false},
    {"CT_REMOVE_DEV", CommandType::kRemoveDevice, false},
    {"CT_START_PREVENT_PNP", CommandType::kStartPreventPnp, false},
    {"CT_END_PREVENT_PNP", CommandType::kEndPreventPnp, false},
    {"CT_CHANGE_LANG", CommandType::kChangeLanguage, false},
    {"CT_SET_REMOTE_INSTALL", CommandType::kSetRemoteInstall, false},
    {"CT_SET_INST_TYPE", CommandType::kSetInstallType, false},
    {"CT_SET_SETUP_TYPE", CommandType::kSetSetupType, false},
    {"CT_SHOW_TOGGLE", CommandType::kShowToggle, false},
    {"CT_VIEW_LICESNE", CommandType::kViewLicense, false},
    {"CT_WRITE_ITEM_INFO", CommandType::kWriteItemInfo, true},
    {"CT_COPY_FILE", CommandType::kCopyFile, true},
    {"CT_DELETE_FILE", CommandType::kDeleteFile, true},
    {"CT_ADDREG", CommandType::kAddRegistry, false},
    {"CT_DELREG", CommandType::kDeleteRegistry, false},
    {"CT_INSTALL_UPDATE", CommandType::kInstallUpdate, true},
    {"CT_DELETE_ALL", CommandType::kDeleteAll, true},
    {"CT_RUN_REMOTE_INSTALL", CommandType::kRunRemoteInstall, true},
};

static_assert(std::size(kCommandTypes) == kCommandTypeCount);

const CommandTypeInfo& InfoOf(CommandType type) { return kCommandTypes[static_cast<std::size_t>(type)]; }

}  // namespace

std::optional<CommandType> FindCommandType(std::string_view name) {
  // The names are plain ASCII, so single-byte folding compares them exactly
  // whatever the code page of `name`.
  const platform::CodePageText ascii;
  for (const CommandTypeInfo& info : kCommandTypes) {
    if (ascii.Equal(name, info.name)) return info.type;
  }
  return std::nullopt;
}

std::string_view CommandTypeName(CommandType type) { return InfoOf(type).name; }

bool IsHandledElsewhere(CommandType type) { return InfoOf(type).handled_elsewhere; }

}  // namespace wizard
