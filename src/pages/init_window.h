// The window shown while the installer starts up: a page of section
// INIT_WINDOW with a progress bar that PROGRESS_BAR places. It advances by
// WM_USER_STEP_PROGRESS and cannot be closed by the user.
#pragma once

#include "pages/base_dlg.h"

class CInitWindow : public CBaseDlg {
 public:
  explicit CInitWindow(CGlobalVariable& environment, QWidget* parent = nullptr);
  bool SetFixedControls() override;
  std::intptr_t OnUserMessage(const wizard::UserMessage& message) override;
  // The bar's position, 0 to 100.
  int Progress() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  double step_ = 1;
  double position_ = 0;
};
