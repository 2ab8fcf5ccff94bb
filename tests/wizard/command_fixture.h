// A command interpreter over a medium in C:\Medium of a throw-away machine,
// with a wizard host, end-of-run parts and printer object that record what
// they are asked, the shell's opener and the message boxes recorded too,
// and the test plug-in modules ready to be put on the medium.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/global_variable.h"
#include "medium_machine.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "printer/installer_modules.h"
#include "wizard/cmd_operator.h"
#include "wizard/end_of_run.h"
#include "wizard/printer_queries.h"
#include "wizard/wizard_host.h"

namespace inktest {

// The wizard, recording each request as one line ("OpenDialog(X)") and
// keeping posted commands until the test takes them. Safe from any thread.
class RecordingHost : public wizard::IWizardHost {
 public:
  void OpenDialog(std::string_view target) override { Record("OpenDialog(" + std::string(target) + ")"); }
  void OpenPreviousDialog() override { Record("OpenPreviousDialog"); }
  void DoModal(std::string_view section) override { Record("DoModal(" + std::string(section) + ")"); }
  bool ToggleObjects(std::string_view names) override;
  void DisableWindows() override { Record("DisableWindows"); }
  void EndWait(bool bring_to_front) override;
  void PostCommand(wizard::CommandRecord record) override;
  int AskUser(std::string_view text, std::uint32_t style) override;
  void LanguageChanged() override { Record("LanguageChanged"); }
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void Quit() override { Record("Quit"); }

  std::vector<std::string> Calls() const;
  // The posted commands not taken yet, in order of posting; they are taken.
  std::vector<wizard::CommandRecord> TakePosted();
  // Waits until EndWait has been called `count` times in all; false when
  // `timeout` passed first.
  bool WaitForEndWait(int count, std::chrono::milliseconds timeout);
  int WaitCursorDepth() const;

  bool has_page = true;  // what ToggleObjects answers
  int answer = 1;        // the button AskUser answers
  std::string asked;     // the text AskUser was last given

 private:
  void Record(std::string call);

  mutable std::mutex mutex_;
  std::condition_variable end_wait_signal_;
  std::vector<std::string> calls_;
  std::vector<wizard::CommandRecord> posted_;
  int end_waits_ = 0;
  int cursor_depth_ = 0;
};

// The install history, item set and network search at the end of a run.
class RecordingEndOfRun : public wizard::IEndOfRun {
 public:
  bool MergeHistory(const std::string& from, const std::string& to) override;
  bool UninstallHistory(const std::string& key) override;
  bool IsThereInstalledItem() override;
  void StopNetworkDiscovery() override;

  bool item_installed = false;
  std::vector<std::string> calls;
};

// The printer object: fixed printer names, and recorded system test pages.
class FakePrinters : public wizard::IPrinterQueries {
 public:
  std::string CurrentPrinter() const override { return current; }
  std::string DefaultPrinter() const override { return default_printer; }
  int PrintSystemTestPage(std::string_view printer) override;

  std::string current;
  std::string default_printer;
  std::vector<std::string> system_test_pages;
};

// The string value `name` of the test product's Installing key; empty when
// it is missing.
std::string InstallingValue(const char* name);

class CommandTest : public ::testing::Test {
 protected:
  CommandTest();
  ~CommandTest() override;

  // Writes the medium (the test product, `data_extra` in its data file,
  // `configure` and `commands` as its configure and command profiles),
  // builds the run environment, loads the plug-in modules on the medium
  // (the first time only) and creates the interpreter; a test may start
  // again with other profiles. Aborts the test program when the
  // environment cannot be built.
  void Start(const std::string& configure = "", const std::string& commands = "", const std::string& data_extra = "");

  // Puts the test plug-in modules on the medium at their default paths.
  void PlaceTestModules();
  // Replaces the script that steers the test modules (module_script.h).
  void ScriptModules(const std::string& script);
  // The calls the test modules recorded, in order.
  std::vector<std::string> ModuleCalls() const;
  // Writes an executable shell script `body` as the machine's file
  // `windows_relative` below C:\ ("Medium/Setup/x.exe").
  void WriteProgram(const std::string& windows_relative, const std::string& body);
  // The text of the host file `relative` below C:\, empty when missing.
  std::string ReadDriveC(const std::string& relative);

  // The log lines that `call` adds.
  std::vector<std::string> LinesLoggedBy(const std::function<void()>& call) const;
  // Executes command line `line`, giving the log lines it adds.
  std::vector<std::string> RunLogged(const std::string& line, bool* result = nullptr);

  CCmdOperator& Interpreter() { return *interpreter_; }
  CGlobalVariable& Environment() { return *environment_; }

  MediumMachine medium_;
  FakeModules* device_ = nullptr;  // the environment's utility module calls
  RecordingHost host_;
  RecordingEndOfRun end_of_run_;
  FakePrinters printers_;
  CInstallerModules modules_;
  std::vector<platform::ShellRequest> opened_;      // what reached the shell's opener
  long opener_answer_ = 0;                          // what the opener answers
  std::vector<platform::MessageBoxRequest> boxes_;  // system message boxes shown

 private:
  std::unique_ptr<FakeModules> pending_device_ = std::make_unique<FakeModules>();
  std::unique_ptr<CGlobalVariable> environment_;
  std::unique_ptr<CCmdOperator> interpreter_;
  std::filesystem::path script_;
  std::filesystem::path calls_;
};

}  // namespace inktest
