// The application object: owns the installer's long-lived objects for the
// whole process and carries it from start to end. It builds the run
// environment, keeps the installer a single instance per product, checks
// the user's rights and the system's minimum requirements, reads the
// command line into a start mode, and either carries out a run without
// windows or hands over to the wizard (wizard::CWizardApp), which uses the
// operations below. It needs no window system of its own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/global_variable.h"
#include "app/periodic_call.h"
#include "app/run_ending.h"
#include "platform/instance_lock.h"
#include "printer/installer_modules.h"
#include "profile/log.h"

class CInstallerApp {
 public:
  // What start-up decided.
  enum class Road {
    kEnd,          // the run is over (a failure, or a run without windows)
    kInteractive,  // the wizard takes over
  };

  // An installer named `program_file_name` (for its log) that reads
  // `command_line`, the text after the program name.
  CInstallerApp(std::string program_file_name, std::string command_line);
  ~CInstallerApp();
  CInstallerApp(const CInstallerApp&) = delete;
  CInstallerApp& operator=(const CInstallerApp&) = delete;

  // The start-up up to the choice between a run without windows and the
  // wizard. After kEnd, ExitStatus and FailureReason tell the outcome.
  Road InitInstance();
  // "End of installation": stops the helper threads and releases the
  // instance mutex.
  void ExitInstance();

  // Whether the single-instance mutex could be taken or another installer
  // of the product brought to the front; false when another holds it and
  // none answers.
  bool CheckInstance();
  // Writes the installation record values under the Installing key.
  void WriteSetupRecord(bool with_program_info);
  // Calls the pre-installer module with the run's paths and language.
  bool CallPreInstaller(std::uintptr_t window);
  // The threads that keep the system's new-hardware dialogs away while a
  // device installs; each calls its module entry every 5 seconds.
  void StartCompressPnPThread();
  void StopCompressPnPThread();
  void StartActivePnPThread();
  void StopActivePnPThread();

  // Ends the run with `status` and the one-line `reason` for standard
  // error, writing `log_line` to the log.
  void Fail(int status, const std::string& log_line, const std::string& reason);

  CGlobalVariable& Environment() { return *environment_; }
  CInstallerModules& Modules() { return *modules_; }
  CRunEnding& RunEnding() { return run_ending_; }
  CLog& LogFile() { return log_; }
  int StartMode() const { return start_mode_; }
  void SetStartMode(int mode) { start_mode_ = mode; }
  bool Silent() const { return silent_; }
  const std::string& StartSection() const { return start_section_; }
  std::string& MutableStartSection() { return start_section_; }
  int ExitStatus() const { return exit_status_; }
  const std::string& FailureReason() const { return failure_reason_; }
  void ReleaseMutex() { mutex_.Release(); }

  // Exit statuses of the setup program.
  enum ExitStatusCode : int {
    kExitSuccess = 0,
    kExitNoEnvironment = 2,   // no data file or profiles on the medium
    kExitOtherInstance = 3,   // another installer of the product runs
    kExitNotAdministrator = 4,
    kExitRequirements = 5,    // the system does not meet the minimum requirements
    kExitNoStartSection = 6,  // no start section for the start mode, or no valid item
    kExitInitFailed = 7,      // the wizard could not be set up
    kExitNotAvailable = 8,    // the run needs a part the installer does not have yet
    kExitNoDisplay = 9,       // the wizard has no display to show itself on
  };

 private:
  // Step 7 of the start-up: the run without windows.
  void RunSilent();
  // Whether the PnP threads may run on this system (not on Windows 95 or
  // NT 3 and 4).
  bool PnPThreadsAllowed() const;

  CLog log_;
  std::string command_line_;
  CInstallerModules* modules_ = nullptr;
  std::unique_ptr<CGlobalVariable> environment_;
  CRunEnding run_ending_;
  platform::NamedMutex mutex_;
  int start_mode_ = 1;
  bool silent_ = false;
  std::string start_section_;
  int exit_status_ = kExitSuccess;
  std::string failure_reason_;
  app::PeriodicCall compress_pnp_;
  app::PeriodicCall active_pnp_;
};
