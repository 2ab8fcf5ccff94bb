#include "pages/my_message_box.h"

#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "app/global_variable.h"
#include "pages/control_style.h"
#include "pages/page_text.h"
#include "resources/dialog_templates.h"
#include "wizard/window_messages.h"

namespace {

constexpr std::uint32_t kIconMask = 0xF0;
constexpr std::uint32_t kButtonSetMask = 0xF;
constexpr int kIconSize = 32;
// Space to the right of the text, below it and between the buttons; the
// buttons sit this far above the bottom.
constexpr int kMargin = 10;
// Below the text: the buttons with a margin above and below.
constexpr int kButtonRowMargins = 2 * kMargin;
// The height the text rectangle starts with before it is measured.
constexpr int kTextStartHeight = 74 - 14;

struct ButtonMessages {
  std::uint32_t button_set;
  const char* left;
  const char* right;  // null: a single button
};

// The MESSAGES that name the buttons of each button set; any other set is
// OK and Cancel.
constexpr ButtonMessages kButtonMessages[] = {
    {0, "BUTTON.OK", nullptr},
    {4, "BUTTON.YES", "BUTTON.NO"},
    {6, "BUTTON.RESUME", "BUTTON.EXIT"},
};
constexpr ButtonMessages kOkCancel = {1, "BUTTON.OK", "BUTTON.CANCEL"};

const ButtonMessages& MessagesOfStyle(std::uint32_t style) {
  for (const ButtonMessages& entry : kButtonMessages) {
    if (entry.button_set == (style & kButtonSetMask)) return entry;
  }
  return kOkCancel;
}

CMyMessageBox::BoxIcon IconOfStyle(std::uint32_t style) {
  switch (style & kIconMask) {
    case 0x10: return CMyMessageBox::BoxIcon::kError;
    case 0x20: return CMyMessageBox::BoxIcon::kQuestion;
    case 0x30: return CMyMessageBox::BoxIcon::kWarning;
    default: return CMyMessageBox::BoxIcon::kInformation;
  }
}

QStyle::StandardPixmap PixmapOfIcon(CMyMessageBox::BoxIcon icon) {
  switch (icon) {
    case CMyMessageBox::BoxIcon::kError: return QStyle::SP_MessageBoxCritical;
    case CMyMessageBox::BoxIcon::kQuestion: return QStyle::SP_MessageBoxQuestion;
    case CMyMessageBox::BoxIcon::kWarning: return QStyle::SP_MessageBoxWarning;
    case CMyMessageBox::BoxIcon::kInformation: break;
  }
  return QStyle::SP_MessageBoxInformation;
}

// The text button `id` has in the box's template.
QString TemplateText(int id) {
  if (const resources::DialogTemplate* dialog = resources::FindDialogTemplate(resources::kTemplateMessageBox)) {
    for (const resources::TemplateControl& control : dialog->controls) {
      if (control.id == id) return QString::fromUtf8(control.text);
    }
  }
  return {};
}

// Profile text for a window; a CR LF pair is one line break.
QString WindowText(const std::string& text) { return pages::ToQString(text).replace(QStringLiteral("\r\n"), "\n"); }

}  // namespace

CMyMessageBox::CMyMessageBox(CGlobalVariable& environment, QWidget* parent)
    : QDialog(parent), environment_(environment) {
  CreateTemplateControls();
}

CMyMessageBox::~CMyMessageBox() = default;

void CMyMessageBox::CreateTemplateControls() {
  const resources::DialogTemplate* dialog = resources::FindDialogTemplate(resources::kTemplateMessageBox);
  if (dialog == nullptr) return;
  resize(dialog->width, dialog->height);
  for (const resources::TemplateControl& control : dialog->controls) {
    QWidget* widget = nullptr;
    if (control.kind == resources::ControlKind::kPushButton) {
      auto* button = new QPushButton(QString::fromUtf8(control.text), this);
      const int result = control.id == kIdLeftButton ? kResultOk : kResultCancel;
      connect(button, &QPushButton::clicked, this, [this, result] { Answer(result); });
      (control.id == kIdLeftButton ? left_ : right_) = button;
      widget = button;
    } else {
      widget = new QLabel(QString::fromUtf8(control.text), this);
    }
    widget->setGeometry(control.x, control.y, control.width, control.height);
    widget->setVisible(control.visible);
    controls_[control.id] = widget;
  }
  if (left_ != nullptr) left_->setDefault(true);
}

QWidget* CMyMessageBox::Control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

bool CMyMessageBox::Setup(std::string_view text, std::string_view caption, std::uint32_t type) {
  if (text.empty()) return false;
  text_ = text;
  shown_text_ = WindowText(text_);
  caption_ = caption.empty() ? environment_.ProgramInfo().ProgramName() : std::string(caption);
  style_ = type;
  icon_ = IconOfStyle(type);

  const ButtonMessages& messages = MessagesOfStyle(type);
  button_texts_.clear();
  const CMyProfile& strings = environment_.Profiles().String();
  for (auto [key, id] : {std::pair{messages.left, kIdLeftButton}, std::pair{messages.right, kIdRightButton}}) {
    auto* button = qobject_cast<QPushButton*>(Control(id));
    if (key == nullptr || button == nullptr) continue;
    std::string name;
    // A missing message leaves the button its template text.
    button->setText(strings.GetString("MESSAGES", key, name) ? pages::ToQString(name) : TemplateText(id));
    button_texts_.push_back(pages::FromQString(button->text()));
  }
  if (right_ != nullptr) right_->setVisible(messages.right != nullptr);

  setWindowTitle(pages::ToQString(caption_));
  if (auto* icon = qobject_cast<QLabel*>(Control(kIdIcon))) {
    icon->setPixmap(style()->standardIcon(PixmapOfIcon(icon_)).pixmap(kIconSize, kIconSize));
  }
  set_up_ = true;
  Layout();
  return true;
}

void CMyMessageBox::Layout() {
  const bool mirrored = environment_.Options().RightAlign();
  setLayoutDirection(mirrored ? Qt::RightToLeft : Qt::LeftToRight);

  const QFontMetrics metrics(pages::DefaultGuiFont());
  text_rect_ = metrics.boundingRect(QRect(kTextLeft, kTextTop, kTextMaxWidth, kTextStartHeight),
                                    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown_text_);
  text_rect_.moveTopLeft(QPoint(kTextLeft, kTextTop));

  const int button_height = left_ != nullptr ? left_->height() : 0;
  const int width = std::max(text_rect_.x() + text_rect_.width() + kMargin, kMinimumWidth);
  const int height =
      std::max(text_rect_.y() + text_rect_.height() + button_height + kButtonRowMargins, kMinimumHeight);
  setFixedSize(width, height);

  // Left to right first; a right-to-left box shows the mirror image.
  std::vector<QWidget*> buttons;
  for (QPushButton* button : {left_, right_}) {
    if (button != nullptr && !button->isHidden()) buttons.push_back(button);
  }
  int row_width = 0;
  for (QWidget* button : buttons) row_width += button->width();
  if (buttons.size() > 1) row_width += kMargin;
  int x = (width - row_width) / 2;
  for (QWidget* button : buttons) {
    button->move(x, height - kMargin - button->height());
    x += button->width() + kMargin;
  }
  if (QWidget* icon = Control(kIdIcon)) icon->move(kTextTop, kTextTop);
  if (mirrored) {
    for (QWidget* control : {Control(kIdIcon), static_cast<QWidget*>(left_), static_cast<QWidget*>(right_)}) {
      if (control != nullptr) control->move(width - control->x() - control->width(), control->y());
    }
    text_rect_.moveLeft(width - text_rect_.x() - text_rect_.width());
  }
}

wizard::BoxRequest CMyMessageBox::Request() const {
  return wizard::BoxRequest{wizard::BoxKind::kInstaller, text_, caption_, style_, button_texts_};
}

int CMyMessageBox::DoModal() {
  if (!set_up_) return 0;
  return wizard::Ask(Request());
}

int CMyMessageBox::RunWindow() {
  if (!set_up_) return 0;
  QApplication::beep();
  return exec();
}

void CMyMessageBox::Answer(int result) {
  if (parentWidget() != nullptr) parentWidget()->activateWindow();
  done(result);
}

std::intptr_t CMyMessageBox::OnUserMessage(const wizard::UserMessage& message) {
  if (message.id != wizard::WM_USER_ENABLE_BUTTONS) return 0;
  const bool enable = message.wparam != 0;
  if (!enable) blocked_ = true;
  for (QPushButton* button : {left_, right_}) {
    if (button != nullptr) button->setEnabled(enable);
  }
  return 0;
}

bool CMyMessageBox::event(QEvent* event) {
  if (wizard::DispatchUserMessage(this, event)) return true;
  return QDialog::event(event);
}

void CMyMessageBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(pages::DefaultGuiFont());
  painter.drawText(text_rect_, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown_text_);
}

void CMyMessageBox::closeEvent(QCloseEvent* event) {
  if (blocked_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void CMyMessageBox::reject() {
  // Escape and the close box count as the right button, unless a page
  // has blocked closing.
  if (!blocked_) done(kResultCancel);
}
