#include "pages/init_window.h"

#include <QCloseEvent>
#include <QProgressBar>

#include "app/global_variable.h"
#include "wizard/window_messages.h"

CInitWindow::CInitWindow(CGlobalVariable& environment, QWidget* parent)
    : CBaseDlg(environment, resources::kTemplateInitWindow, parent) {}

bool CInitWindow::SetFixedControls() {
  CBaseDlg::SetFixedControls();
  QWidget* bar = Control(resources::kIdInitProgress);
  if (bar == nullptr) return true;
  const CMyProfile& configure = Environment().Profiles().Configure();
  std::string section;
  if (!Config().ReadString("PROGRESS_BAR", section, false)) {
    bar->hide();
    return true;
  }
  POINT position;
  SIZE size;
  if (configure.GetControl(section.c_str(), "POSITION", &position)) bar->move(position.x, position.y);
  if (configure.GetControl(section.c_str(), "SIZE", &size)) bar->resize(size.cx, size.cy);
  bar->show();
  return true;
}

std::intptr_t CInitWindow::OnUserMessage(const wizard::UserMessage& message) {
  if (message.id != wizard::WM_USER_STEP_PROGRESS) return CBaseDlg::OnUserMessage(message);
  if (message.wparam != 0 && message.lparam != 0) {
    step_ = static_cast<double>(message.wparam) / static_cast<double>(message.lparam);
  } else {
    position_ = std::min(100.0, position_ + step_);
    if (auto* bar = qobject_cast<QProgressBar*>(Control(resources::kIdInitProgress))) {
      bar->setValue(static_cast<int>(position_));
    }
  }
  raise();
  return 0;
}

int CInitWindow::Progress() const {
  const auto* bar = qobject_cast<const QProgressBar*>(Control(resources::kIdInitProgress));
  return bar != nullptr ? bar->value() : 0;
}

void CInitWindow::closeEvent(QCloseEvent* event) { event->ignore(); }
