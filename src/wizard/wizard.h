// The wizard: the installer's main window. It keeps the pages in one list,
// shows one at a time in its client area, sizes and places itself after
// the page shown, and owns the command interpreter that runs what pages,
// start sections and worker threads ask for. Everything that changes the
// page shown arrives as a private window message on the main thread.
#pragma once

#include <QPointer>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pages/base_dlg.h"
#include "platform/activation_channel.h"
#include "wizard/cmd_operator.h"
#include "wizard/user_message.h"
#include "wizard/wizard_host.h"

class CGlobalVariable;
class CInstallerModules;

class CWizard : public QWidget, public wizard::IWizardHost, public wizard::IUserMessageTarget {
 public:
  enum CreateResult : int { kCreateFailed = 0, kAlreadyRunning = 1, kCreated = 2 };

  CWizard(CGlobalVariable& environment, CInstallerModules& modules, wizard::IEndOfRun& end_of_run,
          wizard::IPrinterQueries& printers);
  ~CWizard() override;

  // The window name of the installer of `program_name`, shared by every
  // start of it: "%s Installer Program".
  static std::string WindowClassName(const std::string& program_name);

  // Creates the window, unless another installer of this product has its
  // wizard up: that one is asked to come to the front and the answer is
  // kAlreadyRunning.
  int Create(const std::string& program_name);
  // Takes the start section: runs its START_CMD and, with PRECREATE_DLG,
  // creates the pages its DIALOGS section lists, reporting each to
  // `progress` (may be null).
  bool Init(const std::string& start_section, QObject* progress);

  bool AddDialogs(const std::string& dialogs_section, QObject* progress);
  int AddDialog(const std::string& section);
  int FindPage(const std::string& section);
  bool ShowPage(int index, const std::string& argument);
  void RefreshPages(QObject* progress);
  // The command sections run after the installation (END_CMD) and while it
  // finishes (INSTALLING_CMD), by the start section or by Setup_Type.
  void RunEndCommand();
  void RunInstallingCommand();
  void SetCloseBlocked(bool blocked);
  bool IsCloseBlocked() const { return close_blocked_; }
  CBaseDlg* GetCurrentPage() const;
  int CurrentIndex() const { return current_; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  CBaseDlg* Page(int index) const { return pages_[static_cast<std::size_t>(index)].get(); }
  CCmdOperator& CommandOperator() { return command_operator_; }
  // Calls `hook` with the index of every page once it is shown.
  void SetPageShownHook(std::function<void(int)> hook) { page_shown_hook_ = std::move(hook); }
  // The background window the wizard keeps behind it, or null.
  void SetBackground(QWidget* background) { background_ = background; }

  // IWizardHost.
  void OpenDialog(std::string_view target) override;
  void OpenPreviousDialog() override;
  void DoModal(std::string_view section) override;
  bool ToggleObjects(std::string_view names) override;
  void DisableWindows() override;
  void EndWait(bool bring_to_front) override;
  void PostCommand(wizard::CommandRecord record) override;
  int AskUser(std::string_view text, std::uint32_t style) override;
  void LanguageChanged() override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void Quit() override;

  std::intptr_t OnUserMessage(const wizard::UserMessage& message) override;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // The start command of the start section (WM_USER_START with 1).
  void RunStartCommand();
  // Opens the page a "SECTION - argument" text names.
  void OpenBySection(const std::string& text);
  // The command section of `key` in the start section, else by Setup_Type
  // with the given prefix ("INST_" …) and suffix ("END_CMD" …).
  void RunSetupTypeCommand(const char* key, const char* suffix);
  // Shows or hides the wait cursor as the counter says (main thread).
  void ApplyWaitCursor();
  void SetWindowsEnabled(bool enabled);

  CGlobalVariable& environment_;
  wizard::IEndOfRun& end_of_run_;
  std::string start_section_;
  std::string dialogs_section_;
  std::string class_name_;
  CCmdOperator command_operator_;
  std::vector<std::unique_ptr<CBaseDlg>> pages_;
  int current_ = 0;
  bool reposition_ = true;
  bool close_blocked_ = false;
  QPointer<QWidget> background_;
  std::function<void(int)> page_shown_hook_;
  platform::ActivationListener activation_;
  std::atomic<int> wait_cursor_count_{0};
  bool wait_cursor_shown_ = false;
};
