// A link: a text in the link colours (blue, red while the mouse is over it,
// grey on a system it does not support) with an optional icon in front,
// that shows its script in the page's description area while the mouse is
// over it and posts its object's command when clicked.
#pragma once

#include <QPixmap>
#include <string>

#include "pages/my_static.h"

class CMyLink : public CMyStatic {
 public:
  // The program's icon bitmaps and their transparent colour.
  static constexpr const char* kOffBitmap = "IDB_OFF_BUTTON";
  static constexpr const char* kOnBitmap = "IDB_ON_BUTTON";
  static constexpr const char* kClickedBitmap = "IDB_CLICKED_BUTTON";
  // The space between the icon and the text.
  static constexpr int kIconGap = 10;

  explicit CMyLink(QWidget* parent);

  void SetTooltip(const std::string& text);
  // The text sent to the owner page for its description area while the
  // mouse is over the link; empty sends nothing.
  void SetScript(const std::string& text) { script_ = text; }
  // Shows an icon in front of the text: `off` normally, `on` while the mouse
  // is over the link, `clicked` while it is pressed there, each without the
  // pixels of `transparent`. When one of them is missing the link shows no
  // icon.
  void SetIcons(const QPixmap& off, const QPixmap& on, const QPixmap& clicked, COLORREF transparent);
  // A link for another system: grey, with the normal cursor and no hover
  // effect, though a click still posts its command.
  void SetUnsupported(bool unsupported);
  void AutoSize() override;

  bool HasIcon() const { return icon_; }
  bool IsHovered() const { return hovered_; }
  bool IsUnsupported() const { return unsupported_; }
  // The colour the text is drawn in now.
  COLORREF CurrentColor() const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QFont TextFont() const override;

 private:
  // Sends `text` to the owner page for its description area.
  void ShowInDescription(const std::string& text);
  void PostObjectCommand();

  QString tooltip_;
  std::string script_;
  bool icon_ = false;
  QPixmap off_;
  QPixmap on_;
  QPixmap clicked_;
  bool hovered_ = false;
  bool pressed_ = false;
  bool unsupported_ = false;
};
