// The interactive road of the installer: once the application object has
// decided on the wizard, this creates the wizard window, the background
// and the initialisation window, chooses the start section, starts the
// wizard at the first idle moment and runs the message loop until a
// command ends the application. With a screenshot folder it also saves
// every window it shows as a PNG and, being watched by no one, presses
// Next on each page until the road ends. A limit of pages ends the run
// once that many pages were shown.
#pragma once

#include <memory>
#include <set>
#include <string>

#include "app/installer_app.h"
#include "app/run_ending.h"
#include "pages/background_dlg.h"
#include "pages/init_window.h"
#include "wizard/wizard.h"

class CWizardApp {
 public:
  // Works for `app`, which must have chosen the interactive road and
  // outlive this object; a QApplication must exist. With
  // `questions_on_screen` the run's questions appear over the wizard;
  // otherwise they are logged and take their first answer.
  CWizardApp(CInstallerApp& app, bool questions_on_screen, std::string screenshot_folder, int page_limit = 0);
  ~CWizardApp();
  CWizardApp(const CWizardApp&) = delete;
  CWizardApp& operator=(const CWizardApp&) = delete;

  // The start-up from the wizard window on, the message loop and the
  // shutdown; answers the exit status of the run.
  int Run();

  CWizard* Wizard() { return wizard_.get(); }

 private:
  // Steps that need the windows: false, with the app's failure set, when
  // the run cannot go on.
  bool Start();
  bool InitWizard();
  // The first idle moment: the wizard runs its start command.
  void OnIdle();
  // Runs the pre-installer on a worker thread while the windows stay
  // responsive; without a pre-installer module the call only logs, and
  // runs here.
  void CallPreInstallerWaiting();
  void StartVista64Check();
  // Saves `window` as the next screenshot named after `name`.
  void SaveScreenshot(QWidget& window, const std::string& name);
  // A page was shown: counts it against the limit and, with a screenshot
  // folder, saves it and presses Next; ends the run when a page repeats or
  // Next leads nowhere.
  void OnPageShown(int index);

  CInstallerApp& app_;
  bool questions_on_screen_ = false;
  std::string screenshot_folder_;
  int screenshot_count_ = 0;
  int page_limit_ = 0;
  int pages_shown_ = 0;
  // The pages the screenshot tour has shown.
  std::set<int> toured_;
  CNoPrinters printers_;
  std::unique_ptr<CWizard> wizard_;
  std::unique_ptr<CBackgroundDlg> background_;
  std::unique_ptr<CInitWindow> init_window_;
  bool initialised_ = false;
  bool started_ = false;
};
