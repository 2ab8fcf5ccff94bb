// The wizard host of a run without windows (silent and script
// installations): there are no pages to open, no windows to disable and no
// wizard to post to, so all of that does nothing; a question is answered
// with its first button, and ending the run is only noted.
#pragma once

#include <atomic>

#include "wizard/wizard_host.h"

namespace wizard {

class CSilentHost : public IWizardHost {
 public:
  void OpenDialog(std::string_view) override {}
  void OpenPreviousDialog() override {}
  void DoModal(std::string_view) override {}
  bool ToggleObjects(std::string_view) override { return false; }
  void DisableWindows() override {}
  void EndWait(bool) override {}
  void PostCommand(CommandRecord) override {}
  int AskUser(std::string_view, std::uint32_t) override { return 1; }
  void LanguageChanged() override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  void Quit() override { quit_requested_ = true; }

  // True once a command ended the run.
  bool QuitRequested() const { return quit_requested_; }

 private:
  std::atomic<bool> quit_requested_{false};
};

}  // namespace wizard
