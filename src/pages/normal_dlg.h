// The plain page (kind "NORMAL."): a page of objects on the empty template,
// which tells its children when it is shown, so that a result list fills
// itself with the items chosen so far.
#pragma once

#include "pages/base_dlg.h"

class CNormalDlg : public CBaseDlg {
 public:
  CNormalDlg(CGlobalVariable& environment, QWidget* parent);
  bool ActivatePage(const std::string& parameter) override;
};
