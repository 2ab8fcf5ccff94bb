#include "pages/base_dlg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEventLoop>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTreeWidget>

#include "app/global_variable.h"
#include "pages/my_button.h"
#include "pages/my_static.h"
#include "pages/object_info.h"
#include "pages/object_kind.h"
#include "pages/page_text.h"
#include "wizard/run_command.h"
#include "wizard/window_messages.h"

using wizard::CommandRecord;
using wizard::UserMessage;

namespace {

constexpr CBaseDlg::ModalButton kModalButtons[] = {CBaseDlg::kModalOk, CBaseDlg::kModalNext, CBaseDlg::kModalBack,
                                                   CBaseDlg::kModalCancel};

struct ModalButtonKey {
  const char* key;
  CBaseDlg::ModalButton id;
};

// The order in which a modal page binds its buttons.
constexpr ModalButtonKey kModalButtonKeys[] = {
    {"FIXED_BTN_MODAL_NEXT", CBaseDlg::kModalNext},
    {"FIXED_BTN_MODAL_BACK", CBaseDlg::kModalBack},
    {"FIXED_BTN_MODAL_OK", CBaseDlg::kModalOk},
    {"FIXED_BTN_MODAL_CANCEL", CBaseDlg::kModalCancel},
};

}  // namespace

CBaseDlg::CBaseDlg(CGlobalVariable& environment, std::uint32_t template_id, QWidget* parent)
    : QWidget(parent), environment_(environment), config_(environment), template_id_(template_id) {
  setAttribute(Qt::WA_StyledBackground, false);
  setFocusPolicy(Qt::StrongFocus);
}

CBaseDlg::~CBaseDlg() { config_.Clear(); }

bool CBaseDlg::SetConfig(const std::string& section) { return config_.SetConfig(this, section, true); }

bool CBaseDlg::CreatePage(QWidget* parent) {
  if (modal_) {
    setParent(nullptr);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setWindowModality(Qt::ApplicationModal);
  } else {
    setParent(parent);
    setWindowFlags(Qt::Widget);
  }
  setLayoutDirection(environment_.Options().RightAlign() ? Qt::RightToLeft : Qt::LeftToRight);
  if (const resources::DialogTemplate* dialog = resources::FindDialogTemplate(TemplateId())) {
    resize(dialog->width, dialog->height);
  }
  CreateTemplateControls();

  auto* description = new CMyStatic(this);
  description->SetFillBackground(true);
  description->setGeometry(0, 0, 10, 10);
  description_control_ = description;

  if (modal_) {
    for (ModalButton id : kModalButtons) {
      auto* button = new CMyButton(this);
      button->setGeometry(0, 0, 10, 10);
      button->hide();
      connect(button, &QPushButton::clicked, this, [this, id] { OnControlClicked(id); });
      controls_[id] = button;
    }
  }
  config_.CreateObjects(modal_, modal_);
  SetFixedControls();
  if (modal_) {
    PrepareShow();
    ActivatePage({});
  }
  setWindowTitle(pages::ToQString(config_.Caption()));
  return true;
}

void CBaseDlg::CreateTemplateControls() {
  const resources::DialogTemplate* dialog = resources::FindDialogTemplate(TemplateId());
  if (dialog == nullptr) return;
  QButtonGroup* group = nullptr;
  for (const resources::TemplateControl& control : dialog->controls) {
    QWidget* widget = CreateTemplateControl(control);
    if (widget == nullptr) continue;
    widget->setObjectName(QString::number(control.id));
    widget->setGeometry(control.x, control.y, control.width, control.height);
    widget->setVisible(control.visible);
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
      if (control.group_start || group == nullptr) group = new QButtonGroup(this);
      group->addButton(radio);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      const int id = control.id;
      connect(button, &QAbstractButton::clicked, this, [this, id] { OnControlClicked(id); });
    }
    controls_[control.id] = widget;
  }
}

QWidget* CBaseDlg::CreateTemplateControl(const resources::TemplateControl& control) {
  using resources::ControlKind;
  const QString text = QString::fromUtf8(control.text);
  switch (control.kind) {
    case ControlKind::kPushButton: {
      if (control.id != resources::kIdNext) return new QPushButton(text, this);
      // The Next button is skinned; it has no object, so its clicks reach
      // the page as those of the other template buttons do.
      auto* next = new CMyButton(this);
      next->setText(text);
      return next;
    }
    case ControlKind::kRadioButton: return new QRadioButton(text, this);
    case ControlKind::kCheckBox: return new QCheckBox(text, this);
    case ControlKind::kStatic: {
      auto* label = new QLabel(text, this);
      label->setWordWrap(true);
      return label;
    }
    case ControlKind::kIcon: return new QLabel(this);
    case ControlKind::kRichEdit:
    case ControlKind::kEdit: {
      auto* edit = new QTextEdit(this);
      edit->setReadOnly(control.kind == ControlKind::kRichEdit);
      return edit;
    }
    case ControlKind::kListView: return new QTreeWidget(this);
    case ControlKind::kProgressBar: {
      auto* bar = new QProgressBar(this);
      bar->setRange(0, 100);
      bar->setValue(0);
      bar->setTextVisible(false);
      return bar;
    }
  }
  return nullptr;
}

QWidget* CBaseDlg::Control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

bool CBaseDlg::FixedObjectSection(const char* key, std::string& section) const {
  const CMyProfile& profile = environment_.Profiles().Configure();
  if (profile.GetString(config_.Section().c_str(), key, section)) return true;
  return !config_.BaseSection().empty() && profile.GetString(config_.BaseSection().c_str(), key, section);
}

bool CBaseDlg::SetFixedControls() {
  GetFixedCommand("FIXED_NEXT", next_command_);
  if (description_control_ != nullptr) {
    ApplyFixedControl("NORMAL_DESC", description_control_, kFixedStatic);
    description_ = pages::FromQString(description_control_->text());
  }
  if (modal_) {
    for (const ModalButtonKey& button : kModalButtonKeys) {
      std::string section;
      if (!FixedObjectSection(button.key, section)) continue;
      // The button runs the command of its object, read with the object's
      // own BASE_ON, before it is placed like every fixed control.
      OBJECT_INFO& object = modal_objects_[button.id];
      object = OBJECT_INFO();
      pages::ReadObjectFromSection(environment_, section, object);
      auto* skinned = static_cast<CMyButton*>(Control(button.id));
      skinned->SetInfo(object.text, &object, object.position.x, object.position.y);
      if (object.has_font) skinned->SetFont(object.font);
      ApplyFixedControl(button.key, skinned, kFixedPlain);
    }
  }
  return true;
}

bool CBaseDlg::GetFixedCommand(const char* key, CommandRecord& record) const {
  std::string section;
  if (!FixedObjectSection(key, section)) return true;
  record = CommandRecord();
  return wizard::ReadCommandRecord(environment_.Profiles().Configure(), section.c_str(),
                                   wizard::kCommandParameterCount, record);
}

bool CBaseDlg::ApplyFixedControl(const char* key, QWidget* control, int kind) {
  if (control == nullptr) return false;
  std::string section;
  if (!FixedObjectSection(key, section)) {
    control->hide();
    return false;
  }
  const CMyProfile& profile = environment_.Profiles().Configure();
  POINT position;
  SIZE size;
  const bool has_position = profile.GetControl(section.c_str(), "POSITION", &position);
  const bool has_size = profile.GetControl(section.c_str(), "SIZE", &size);
  QRect rect = control->geometry();
  if (has_position) rect.moveTo(position.x, position.y);
  if (has_size) rect.setSize(QSize(size.cx, size.cy));
  if (has_position && layoutDirection() == Qt::RightToLeft) rect.moveLeft(width() - rect.x() - rect.width());
  control->setGeometry(rect);
  const bool mirrored = environment_.Options().RightAlign() && kind != kFixedNeverMirrored;
  control->setLayoutDirection(mirrored ? Qt::RightToLeft : Qt::LeftToRight);
  std::string name;
  if (profile.GetString(section.c_str(), "NAME", name)) {
    const QString text = pages::ToQString(name);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(text);
    if (auto* label = qobject_cast<QLabel*>(control)) label->setText(text);
  }
  control->show();
  std::uint32_t enable = 0;
  if (profile.GetDword(section.c_str(), "ENABLE", &enable)) control->setEnabled(enable != 0);
  if (kind == kFixedStatic) {
    COLORREF colour = pages::kButtonFaceColour;
    const bool coloured = profile.GetControl(section.c_str(), "BACK_COLOR", &colour);
    pages::SetBackgroundColour(*control, colour);
    control->setAutoFillBackground(coloured);
  }
  if (kind == kFixedListView) {
    if (auto* list = qobject_cast<QTreeWidget*>(control); list != nullptr && list->header() != nullptr) {
      list->header()->setLayoutDirection(mirrored ? Qt::RightToLeft : Qt::LeftToRight);
      list->header()->update();
    }
  }
  return true;
}

bool CBaseDlg::RunFixedCommand(const char* key) {
  CommandRecord record;
  const bool read = GetFixedCommand(key, record);
  std::string section;
  if (read && FixedObjectSection(key, section)) PostCommandRecord(record);
  return read;
}

std::uint32_t CBaseDlg::GetItemType() const {
  std::string item_type;
  if (!FixedObjectSection("ITEM_TYPE", item_type)) return 0;
  return pages::ItemTypeFlags(item_type);
}

bool CBaseDlg::RunNextCommand(bool primary) {
  if (!activated_) return false;
  activated_ = false;
  if (primary || next_command_.Parameter(2).empty()) {
    PostCommandRecord(CurrentNextCommand());
  } else {
    PostCommandRecord(wizard::MakeCommandRecord(next_command_.type, {next_command_.Parameter(2)}));
  }
  return true;
}

bool CBaseDlg::ActivatePage(const std::string&) {
  activated_ = true;
  if (parentWidget() != nullptr) parentWidget()->activateWindow();
  if (description_control_ != nullptr) ShowDescription(description_);
  return true;
}

bool CBaseDlg::RefreshDialog() {
  setLayoutDirection(environment_.Options().RightAlign() ? Qt::RightToLeft : Qt::LeftToRight);
  config_.Clear();
  if (config_.SetConfig(this, config_.Section(), true)) {
    config_.CreateObjects(false, false);
    SetFixedControls();
  }
  hide();
  return true;
}

void CBaseDlg::SendToChildren(const UserMessage& message, bool post) {
  for (QWidget* child : findChildren<QWidget*>()) {
    if (post) {
      wizard::PostUserMessage(child, message);
    } else {
      wizard::SendUserMessage(child, message);
    }
  }
}

void CBaseDlg::ShowDescription(const std::string& text) {
  if (description_control_ != nullptr) description_control_->SetText(text);
}

std::intptr_t CBaseDlg::OnUserMessage(const UserMessage& message) {
  if (message.id == wizard::WM_USER_SET_DESC && description_control_ != nullptr) {
    ShowDescription(message.text.empty() ? description_ : message.text);
  }
  return 0;
}

void CBaseDlg::OnControlClicked(int id) {
  if (id == resources::kIdNext) RunNextCommand(true);
  if (!modal_) return;
  if (id == resources::kIdNext || id == kModalBack || id == kModalOk || id == kModalNext) EndModal(kResultOk);
  if (id == kModalCancel) EndModal(kResultCancel);
}

int CBaseDlg::DoModal() {
  modal_ = true;
  if (!CreatePage(nullptr)) return kResultCancel;
  show();
  QEventLoop loop;
  modal_loop_ = &loop;
  loop.exec();
  modal_loop_ = nullptr;
  hide();
  return modal_result_;
}

void CBaseDlg::EndModal(int result) {
  modal_result_ = result;
  if (modal_loop_ != nullptr) modal_loop_->quit();
}

bool CBaseDlg::event(QEvent* event) {
  if (wizard::DispatchUserMessage(this, event)) return true;
  return QWidget::event(event);
}

void CBaseDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPixmap& background = config_.Background();
  if (!background.isNull()) {
    if (config_.StretchBackground()) {
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawPixmap(rect(), background);
    } else {
      painter.drawPixmap(QPoint(0, 0), background, rect());
    }
  }
  config_.DrawShapes(painter);
}

void CBaseDlg::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (focus_control_ != nullptr) {
    focus_control_->setFocus();
    return;
  }
  config_.FocusDefaultObject();
}
