// The command interpreter: executes commands (a type such as CT_OPEN_DLG or
// CT_EXE_FILE_WAIT with up to five text parameters) on the thread that asks
// for them, and runs command sections. It does the work of most types
// itself: it starts and opens programs, files, URLs, folders and manuals,
// records the setup and install type, changes the language, calls the
// device, diagnosis and test-page entry points of the plug-in modules,
// writes and removes registry values, and ends the application. Pages go
// through the wizard host; the types that belong to the item set, the copy
// engine, the uninstall registration and the remote install are carried out
// by the handlers those parts give it (SetHandler).
//
// Every command is logged before it runs. A type the interpreter does not
// know does nothing and succeeds.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/process.h"
#include "wizard/command_record.h"
#include "wizard/command_types.h"
#include "wizard/end_of_run.h"
#include "wizard/printer_queries.h"
#include "wizard/program_waiter.h"
#include "wizard/wizard_host.h"

class CGlobalVariable;
class CInstallerModules;

class CCmdOperator {
 public:
  // How CT_DLG_CANCEL confirms, from DLG_COMMON / CANCEL_TYPE of the
  // configure profile.
  enum class CancelType { kResumeExit = 0, kOkCancel = 1, kNull = 2 };

  using Handler = std::function<bool(const wizard::CommandRecord&)>;

  // The interpreter works with the run environment, the plug-in modules,
  // the wizard (or a host without windows), the parts that settle the end
  // of a run and the printer object; all must outlive it.
  CCmdOperator(CGlobalVariable& environment, CInstallerModules& modules, wizard::IWizardHost& host,
               wizard::IEndOfRun& end_of_run, wizard::IPrinterQueries& printers);
  CCmdOperator(const CCmdOperator&) = delete;
  CCmdOperator& operator=(const CCmdOperator&) = delete;

  // Reads the cancel type: "RESUME_EXIT", "OK_CANCEL" or "NULL", in any
  // case; another value or none keeps the current one.
  void Init();

  // Executes `record` on the calling thread: logs it, then runs the work of
  // its type. The result is the work's (see the types); true for a type
  // that is not a command type.
  bool Execute(const wizard::CommandRecord& record);
  // CT_COMMAND: executes the lines of command section `section` in order
  // (wizard::RunCommandSection). False when the section is missing, runs
  // itself or is nested too deeply.
  bool RunCommandSection(std::string_view section);
  // Parses `line` as a command line and executes it.
  bool RunCommandLine(std::string_view line);
  // Runs the target of a choosing command (CT_FIND_LOCAL_PRINTER,
  // CT_CHECK_ITEM): a text that begins with "CT_", in any case, is run as a
  // command line; any other opens that dialog section, which gives true.
  bool RunTarget(std::string_view target);

  // Whether file, registry or shortcut section `section` of the command
  // profile applies to the running system (install::IsSupportedSection).
  bool IsSupportedSection(const char* section) const;

  // Makes `handler` carry out the commands of `type`, one of the types
  // handled elsewhere (wizard::IsHandledElsewhere); false for another type.
  // Until a type has a handler its commands log that they are not
  // available and fail. Handlers are set before commands run.
  bool SetHandler(wizard::CommandType type, Handler handler);

  // The wizard the interpreter works for, which takes posted commands.
  wizard::IWizardHost& Host() { return host_; }

 private:
  // The work of `type`.
  bool Dispatch(wizard::CommandType type, const wizard::CommandRecord& record);
  // A type handled elsewhere: its handler, or the log line of a type that
  // is not available.
  bool RunHandler(wizard::CommandType type, const wizard::CommandRecord& record);

  // ---- Programs, files and addresses (cmd_operator_programs.cpp).
  // Starts program `program` (defined strings expanded, resolved, which
  // must exist) with `arguments` (expanded) in the program's directory
  // through the shell. Nothing when it was not started; a failure to start
  // shows the system's error text captioned with the program. The process
  // is empty when the shell opened a document instead.
  std::optional<platform::Process> StartProgram(const std::string& program, const std::string& arguments);
  // CT_EXE_FILE_NOWAIT, CT_EXE_FILE_WAIT, CT_EXE_FILE_ACTIVE and
  // CT_EXE_AND_TERMINATE.
  bool ExecuteProgram(wizard::CommandType type, const wizard::CommandRecord& record);
  bool OpenFile(const std::string& file);
  bool OpenUrl(const std::string& address);
  bool OpenBrowse(const std::string& folder);
  bool OpenManual(const std::string& manual, const std::string& extra);

  // ---- Plug-in module commands (cmd_operator_devices.cpp).
  // CT_PRINT_TEST_PAGE, CT_PRINT_META_TEST_PAGE and CT_PRINT_PRN_TEST_PAGE.
  bool PrintTestPage(wizard::CommandType type, const wizard::CommandRecord& record);
  // The system's test page of `printer`, or of the default printer recorded
  // for the run when it is empty.
  int PrintSystemTestPage(const std::string& printer);
  bool Diagnose(const std::string& printer_parameter);
  // CT_REFRESH_SYSTEM, CT_RMHW_DLG, CT_REMOVE_DEV, CT_START_PREVENT_PNP
  // and CT_END_PREVENT_PNP.
  bool CallDeviceEntry(wizard::CommandType type);

  // ---- Settings of the run (cmd_operator_settings.cpp).
  bool ChangeLanguage(const std::string& language_id);
  bool SetRemoteInstall(const std::string& value);
  bool SetInstallType(const std::string& install_type);
  bool SetSetupType(const std::string& setup_type);
  bool FindLocalPrinter(const std::string& connected_target, const std::string& other_target);
  bool OpenTestPage(const std::string& installed_page, const std::string& other_page);

  // ---- Ending the application (cmd_operator_end.cpp).
  // CT_DLG_CANCEL: asks as the cancel type says, and ends with network
  // clean-up when the user confirms.
  bool ConfirmCancel();
  // Settles the run's history and keys and asks the host to quit: the
  // run's history goes into the installed product's; when no item remains
  // installed, the network search is stopped (with `network_cleanup` and
  // option NETWORK), the installed history undone and the Installed key
  // deleted; the Installing key is deleted.
  void EndApplication(bool network_cleanup);

  CGlobalVariable& environment_;
  CInstallerModules& modules_;
  wizard::IWizardHost& host_;
  wizard::IEndOfRun& end_of_run_;
  wizard::IPrinterQueries& printers_;
  CancelType cancel_type_ = CancelType::kResumeExit;
  std::array<Handler, wizard::kCommandTypeCount> handlers_;
  // Last, so that it stops watching before anything it reports to goes.
  wizard::CProgramWaiter waiter_;
};
