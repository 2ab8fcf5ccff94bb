#include "pages/my_link.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "pages/control_style.h"
#include "pages/page_text.h"
#include "wizard/run_command.h"
#include "wizard/user_message.h"
#include "wizard/window_messages.h"

namespace {

// A link's own colours: red while the mouse is over it, blue, grey.
constexpr COLORREF kLinkHover = 0x0000FF;
constexpr COLORREF kLinkText = 0xFF0000;

bool IsEnterKey(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

}  // namespace

CMyLink::CMyLink(QWidget* parent) : CMyStatic(parent) {
  SetColor(kHoverColour, kLinkHover);
  SetColor(kTextColour, kLinkText);
  setFocusPolicy(Qt::ClickFocus);
  setAttribute(Qt::WA_AlwaysShowToolTips);
  setCursor(pages::HandCursor());
}

void CMyLink::SetTooltip(const std::string& text) { tooltip_ = pages::ToQString(text); }

void CMyLink::SetIcons(const QPixmap& off, const QPixmap& on, const QPixmap& clicked, COLORREF transparent) {
  icon_ = !off.isNull() && !on.isNull() && !clicked.isNull();
  if (icon_) {
    off_ = pages::WithoutColour(off, transparent);
    on_ = pages::WithoutColour(on, transparent);
    clicked_ = pages::WithoutColour(clicked, transparent);
  }
  update();
}

void CMyLink::SetUnsupported(bool unsupported) {
  unsupported_ = unsupported;
  if (unsupported_) {
    unsetCursor();
  } else {
    setCursor(pages::HandCursor());
  }
  update();
}

COLORREF CMyLink::CurrentColor() const {
  if (unsupported_) return Color(kDisabledColour);
  return Color(hovered_ ? kHoverColour : kTextColour);
}

QFont CMyLink::TextFont() const {
  if (HasOwnFont()) return CMyStatic::TextFont();
  QFont font = parentWidget() != nullptr ? parentWidget()->font() : pages::DefaultGuiFont();
  font.setWeight(QFont::Bold);
  return font;
}

void CMyLink::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!icon_) {
    DrawText(painter, rect(), CurrentColor());
    return;
  }
  const QPixmap& icon = hovered_ ? (pressed_ ? clicked_ : on_) : off_;
  const QRect icon_area(0, (height() - icon.height()) / 2, icon.width(), icon.height());
  painter.drawPixmap(QStyle::visualRect(layoutDirection(), rect(), icon_area), icon);
  const int text_left = off_.width() + kIconGap;
  const QSize text = TextSize(std::max(width() - text_left, 1));
  const QRect text_area(text_left, (height() - text.height()) / 2, width() - text_left, text.height());
  DrawText(painter, QStyle::visualRect(layoutDirection(), rect(), text_area), CurrentColor());
}

void CMyLink::AutoSize() {
  QSize size = TextSize(kUnlimited);
  if (icon_) size = QSize(size.width() + off_.width() + kIconGap, std::max(size.height(), off_.height()));
  PlaceWithSize(size);
}

bool CMyLink::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && !tooltip_.isEmpty()) {
    pages::ShowTooltip(this, tooltip_, static_cast<QHelpEvent*>(event)->globalPos());
    return true;
  }
  return CMyStatic::event(event);
}

void CMyLink::ShowInDescription(const std::string& text) {
  if (owner_ == nullptr) return;
  wizard::UserMessage message{wizard::WM_USER_SET_DESC};
  message.text = text;
  wizard::SendUserMessage(owner_, message);
}

void CMyLink::enterEvent(QEnterEvent* event) {
  CMyStatic::enterEvent(event);
  if (unsupported_) return;
  hovered_ = true;
  if (!script_.empty()) ShowInDescription(script_);
  update();
  setFocus();
}

void CMyLink::leaveEvent(QEvent* event) {
  CMyStatic::leaveEvent(event);
  if (unsupported_) return;
  hovered_ = false;
  pressed_ = false;
  if (!script_.empty()) ShowInDescription({});
  update();
}

void CMyLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    CMyStatic::mousePressEvent(event);
    return;
  }
  pressed_ = true;
  update();
}

void CMyLink::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    CMyStatic::mouseReleaseEvent(event);
    return;
  }
  pressed_ = false;
  // Qt gives the release to the control that saw the press; only one over
  // the link is a click on it.
  if (rect().contains(event->position().toPoint())) PostObjectCommand();
  update();
}

void CMyLink::keyPressEvent(QKeyEvent* event) {
  if (IsEnterKey(event)) {
    PostObjectCommand();
  } else {
    CMyStatic::keyPressEvent(event);
  }
}

void CMyLink::PostObjectCommand() {
  if (object_ != nullptr) PostCommandRecord(object_->command);
}
