// A push button with the hand cursor, its own font and a tooltip, that
// posts its object's command when clicked: by a release while the mouse is
// over it, or by Enter. The page's Next button is one without an object;
// its clicks reach the page as every button's do.
#pragma once

#include <QPushButton>
#include <string>

#include "pages/object_info.h"

class CMyButton : public QPushButton {
 public:
  explicit CMyButton(QWidget* parent);

  // The button's text (profile text), its object (may be null) and where
  // AutoSize puts it (-1: where it is).
  void SetInfo(const std::string& text, const OBJECT_INFO* object, int x, int y);
  void SetFont(const LOGFONT& font);
  void SetTooltip(const std::string& text);
  // Sizes the window to its text at the position SetInfo gave.
  void AutoSize();

  // The mouse is over the button.
  bool IsHot() const { return hot_; }

 protected:
  bool event(QEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SetHot(bool hot);
  void PostObjectCommand();

  const OBJECT_INFO* object_ = nullptr;
  QString tooltip_;
  int x_ = -1;
  int y_ = -1;
  bool hot_ = false;
};
