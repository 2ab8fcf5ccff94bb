// A text drawn straight onto its page: transparent, so the page's
// background shows around the letters, in the object's colour and font,
// wrapped at the control's width and, on request, centred vertically. The
// page's description area is one too; it alone fills its background.
#pragma once

#include <QLabel>
#include <QString>
#include <array>
#include <string>

#include "pages/object_info.h"

class CMyStatic : public QLabel {
 public:
  // Colour indexes of SetColor.
  enum ColourIndex : int { kHoverColour = 0, kTextColour = 1, kDisabledColour = 2, kBackColour = 3 };
  // How the text is laid out: word wrap, from the top left.
  static constexpr int kTextFormat = int{Qt::AlignLeft} | int{Qt::AlignTop} | int{Qt::TextWordWrap};

  explicit CMyStatic(QWidget* parent);

  // The page the control reports to, its text (profile text), its object
  // (may be null) and where AutoSize puts it (-1: where it is).
  void SetInfo(QObject* owner, const std::string& text, const OBJECT_INFO* object, int x, int y);
  void SetFont(const LOGFONT& font);
  // Colour `index` (ColourIndex); other indexes are ignored. The back colour
  // is the window colour of the palette, so a page that sets that palette
  // colour directly sets it too.
  void SetColor(int index, COLORREF colour);
  // The text drawn (profile text); it is the window text too.
  void SetText(const std::string& text);
  void SetCentre(bool centre) { centre_ = centre; }
  // Fills the background with the back colour before the text is drawn.
  void SetFillBackground(bool fill) { fill_background_ = fill; }
  // Sizes the window to its text, broken only where it has line breaks, at
  // the position SetInfo gave.
  virtual void AutoSize();

  // Colour `index`; 0 for other indexes.
  COLORREF Color(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A width and height no text reaches, for measuring without a limit.
  static constexpr int kUnlimited = 1 << 20;

  // The font the text is drawn in.
  virtual QFont TextFont() const;
  bool HasOwnFont() const { return has_font_; }
  // Draws the text in `colour` into `area` with the format and centring.
  void DrawText(QPainter& painter, const QRect& area, COLORREF colour) const;
  // The size of the text, wrapped at `width` pixels.
  QSize TextSize(int width) const;
  // Places the window at the position of SetInfo with `size`.
  void PlaceWithSize(const QSize& size);

  QObject* owner_ = nullptr;
  const OBJECT_INFO* object_ = nullptr;
  // The hover, text and disabled colours; the back colour is in the palette.
  std::array<COLORREF, 3> colours_;

 private:
  bool fill_background_ = false;
  bool has_font_ = false;
  QFont font_;
  bool centre_ = false;
  int x_ = -1;
  int y_ = -1;
};
