#include "pages/my_button.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "pages/control_style.h"
#include "pages/page_text.h"
#include "wizard/run_command.h"

CMyButton::CMyButton(QWidget* parent) : QPushButton(parent) {
  setAttribute(Qt::WA_Hover);
  setAttribute(Qt::WA_AlwaysShowToolTips);
  setMouseTracking(true);
  setCursor(pages::HandCursor());
  QPushButton::setFont(pages::DefaultGuiFont());
}

void CMyButton::SetInfo(const std::string& text, const OBJECT_INFO* object, int x, int y) {
  setText(pages::ToQString(text));
  object_ = object;
  x_ = x;
  y_ = y;
}

void CMyButton::SetFont(const LOGFONT& font) { QPushButton::setFont(pages::FontOfLogFont(font)); }

void CMyButton::SetTooltip(const std::string& text) { tooltip_ = pages::ToQString(text); }

void CMyButton::AutoSize() {
  const QSize size = QFontMetrics(font()).size(Qt::TextShowMnemonic, text());
  setGeometry(x_ >= 0 ? x_ : x(), y_ >= 0 ? y_ : y(), size.width(), size.height());
}

bool CMyButton::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && !tooltip_.isEmpty()) {
    pages::ShowTooltip(this, tooltip_, static_cast<QHelpEvent*>(event)->globalPos());
    return true;
  }
  return QPushButton::event(event);
}

void CMyButton::SetHot(bool hot) {
  if (hot == hot_) return;
  hot_ = hot;
  update();
}

void CMyButton::enterEvent(QEnterEvent* event) {
  QPushButton::enterEvent(event);
  SetHot(true);
}

void CMyButton::leaveEvent(QEvent* event) {
  QPushButton::leaveEvent(event);
  SetHot(false);
}

void CMyButton::mousePressEvent(QMouseEvent* event) {
  SetHot(rect().contains(event->position().toPoint()));
  QPushButton::mousePressEvent(event);
}

// While the button is held Qt sends its moves here wherever the mouse is,
// and no enter or leave until the release, so the moves keep the hot flag.
void CMyButton::mouseMoveEvent(QMouseEvent* event) {
  SetHot(rect().contains(event->position().toPoint()));
  QPushButton::mouseMoveEvent(event);
}

void CMyButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    SetHot(rect().contains(event->position().toPoint()));
    if (hot_) PostObjectCommand();
  }
  QPushButton::mouseReleaseEvent(event);
}

// Enter runs the object's command and, as it does on a dialog, clicks the
// focused button, so that Enter on the Next button reaches the page.
void CMyButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QPushButton::keyPressEvent(event);
    return;
  }
  PostObjectCommand();
  click();
}

void CMyButton::PostObjectCommand() {
  if (object_ != nullptr) PostCommandRecord(object_->command);
}
