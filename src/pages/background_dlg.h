// The background window: a page of the section DLG_COMMON / BACKGROUND_DLG
// names, shown behind the wizard for the whole run, without a taskbar
// entry of its own.
#pragma once

#include "pages/base_dlg.h"

class CBackgroundDlg : public CBaseDlg {
 public:
  explicit CBackgroundDlg(CGlobalVariable& environment);
  // Reads `section` as the configuration of a window that is not a wizard
  // page: centred on the screen unless its position type says otherwise.
  bool SetConfig(const std::string& section) override;
  bool CreatePage(QWidget* parent) override;
};
