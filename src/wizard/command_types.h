// The command types the interpreter knows, by the names the profiles use.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace wizard {

enum class CommandType {
  kOpenDialog,            // CT_OPEN_DLG
  kDialogBack,            // CT_DLG_BACK
  kDialogCancel,          // CT_DLG_CANCEL
  kDialogHelp,            // CT_DLG_HELP
  kDoModal,               // CT_DO_MODAL
  kExeNoWait,             // CT_EXE_FILE_NOWAIT
  kExeWait,               // CT_EXE_FILE_WAIT
  kExeActive,             // CT_EXE_FILE_ACTIVE
  kExeAndTerminate,       // CT_EXE_AND_TERMINATE
  kRunDll,                // CT_RUNDLL
  kRunDllAndTerminate,    // CT_RUNDLL_AND_TERMINATE
  kOpenFileNoWait,        // CT_OPEN_FILE_NOWAIT
  kOpenFileWait,          // CT_OPEN_FILE_WAIT
  kOpenUrl,               // CT_OPEN_URL
  kOpenBrowse,            // CT_OPEN_BROWSE
  kOpenManual,            // CT_OPEN_MANUAL
  kAppTerminate,          // CT_APP_TERMINATE
  kCommand,               // CT_COMMAND
  kFindLocalPrinter,      // CT_FIND_LOCAL_PRINTER
  kCheckItem,             // CT_CHECK_ITEM
  kOpenTestPage,          // CT_OPEN_TEST_PAGE
  kPrintTestPage,         // CT_PRINT_TEST_PAGE
  kPrintMetaTestPage,     // CT_PRINT_META_TEST_PAGE
  kPrintPrnTestPage,      // CT_PRINT_PRN_TEST_PAGE
  kDiagnosis,             // CT_DIAGNOSIS
  kRefreshSystem,         // CT_REFRESH_SYSTEM
  kRemoveHardwareDialog,  // CT_RMHW_DLG
  kRemoveDevice,          // CT_REMOVE_DEV
  kStartPreventPnp,       // CT_START_PREVENT_PNP
  kEndPreventPnp,         // CT_END_PREVENT_PNP
  kChangeLanguage,        // CT_CHANGE_LANG
  kSetRemoteInstall,      // CT_SET_REMOTE_INSTALL
  kSetInstallType,        // CT_SET_INST_TYPE
  kSetSetupType,          // CT_SET_SETUP_TYPE
  kShowToggle,            // CT_SHOW_TOGGLE
  kViewLicense,           // CT_VIEW_LICESNE, spelt as the profiles spell it
  kWriteItemInfo,         // CT_WRITE_ITEM_INFO
  kCopyFile,              // CT_COPY_FILE
  kDeleteFile,            // CT_DELETE_FILE
  kAddRegistry,           // CT_ADDREG
  kDeleteRegistry,        // CT_DELREG
  kInstallUpdate,         // CT_INSTALL_UPDATE
  kDeleteAll,             // CT_DELETE_ALL
  kRunRemoteInstall,      // CT_RUN_REMOTE_INSTALL
};

inline constexpr std::size_t kCommandTypeCount = static_cast<std::size_t>(CommandType::kRunRemoteInstall) + 1;

// The type named `name`, compared without regard to letter case; nothing
// for a name that is not a command type.
std::optional<CommandType> FindCommandType(std::string_view name);

// The profile name of `type`, in upper case.
std::string_view CommandTypeName(CommandType type);

// True for the types whose work belongs to the item set, the copy engine,
// the uninstall registration and the remote install, which give the
// interpreter their handlers (CCmdOperator::SetHandler).
bool IsHandledElsewhere(CommandType type);

}  // namespace wizard
