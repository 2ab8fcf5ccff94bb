#include "pages/background_dlg.h"

#include "pages/page_text.h"

CBackgroundDlg::CBackgroundDlg(CGlobalVariable& environment)
    : CBaseDlg(environment, resources::kTemplateBackground, nullptr) {}

bool CBackgroundDlg::SetConfig(const std::string& section) { return Config().SetConfig(this, section, false); }

bool CBackgroundDlg::CreatePage(QWidget*) {
  setParent(nullptr);
  setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
  Config().CreateObjects(false, false);
  SetFixedControls();
  setWindowTitle(pages::ToQString(Config().Caption()));
  return true;
}
