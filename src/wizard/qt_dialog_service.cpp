#include "wizard/qt_dialog_service.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include "pages/my_message_box.h"
#include "pages/page_text.h"

namespace wizard {

namespace {

constexpr std::uint32_t kIconMask = 0xF0;

QMessageBox::Icon IconOfStyle(std::uint32_t style) {
  switch (style & kIconMask) {
    case 0x10: return QMessageBox::Critical;
    case 0x20: return QMessageBox::Question;
    case 0x30: return QMessageBox::Warning;
    case 0x40: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

CQtDialogService::CQtDialogService(CGlobalVariable& environment, QWidget* owner)
    : QObject(owner), environment_(environment), owner_(owner) {}

CQtDialogService::~CQtDialogService() {
  if (DialogService() == this) SetDialogService(nullptr);
}

template <typename Show>
void CQtDialogService::OnOwnerThread(Show show) {
  if (QThread::currentThread() == thread()) {
    show();
  } else {
    QMetaObject::invokeMethod(this, show, Qt::BlockingQueuedConnection);
  }
}

int CQtDialogService::Ask(const BoxRequest& request) {
  int answer = 0;
  OnOwnerThread([&] { answer = request.kind == BoxKind::kInstaller ? AskInstaller(request) : AskSystem(request); });
  return answer;
}

int CQtDialogService::AskInstaller(const BoxRequest& request) {
  CMyMessageBox box(environment_, owner_);
  if (!box.Setup(request.text, request.caption, request.style)) return 0;
  return box.RunWindow();
}

int CQtDialogService::AskSystem(const BoxRequest& request) {
  QMessageBox box(IconOfStyle(request.style), pages::ToQString(request.caption), pages::ToQString(request.text),
                  QMessageBox::NoButton, owner_);
  const std::vector<int> answers = ButtonsOfStyle(request.style).answers;
  std::vector<QPushButton*> buttons;
  for (const std::string& text : request.buttons) {
    buttons.push_back(box.addButton(pages::ToQString(text), QMessageBox::ActionRole));
  }
  if (buttons.empty()) buttons.push_back(box.addButton(QMessageBox::Ok));
  box.setEscapeButton(buttons.back());
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (box.clickedButton() == buttons[i]) return i < answers.size() ? answers[i] : static_cast<int>(i) + 1;
  }
  return answers.empty() ? 0 : answers.back();
}

bool CQtDialogService::BrowseFolder(const std::string& title, std::string& folder) {
  bool chosen = false;
  OnOwnerThread([&] {
    const QString path = QInputDialog::getText(owner_, pages::ToQString(title), {}, QLineEdit::Normal,
                                               pages::ToQString(folder), &chosen);
    if (chosen) folder = pages::FromQString(path);
  });
  return chosen;
}

}  // namespace wizard
