#include "pages/normal_dlg.h"

#include "wizard/window_messages.h"

CNormalDlg::CNormalDlg(CGlobalVariable& environment, QWidget* parent)
    : CBaseDlg(environment, resources::kTemplateNormal, parent) {}

bool CNormalDlg::ActivatePage(const std::string& parameter) {
  CBaseDlg::ActivatePage(parameter);
  SendToChildren(wizard::UserMessage{wizard::WM_USER_PAGE_SHOWN}, false);
  return true;
}
