#include "pages/my_static.h"

#include <QPainter>
#include <QStyle>

#include "pages/control_style.h"
#include "pages/page_text.h"

namespace {

// Grey: the colour of a text that cannot be used.
constexpr COLORREF kGrey = 0x808080;

COLORREF ColourRefOf(const QColor& colour) {
  return static_cast<COLORREF>(colour.red()) | static_cast<COLORREF>(colour.green()) << 8 |
         static_cast<COLORREF>(colour.blue()) << 16;
}

}  // namespace

CMyStatic::CMyStatic(QWidget* parent) : QLabel(parent), colours_{0, 0, kGrey} {
  setTextFormat(Qt::PlainText);
  SetColor(kBackColour, pages::kButtonFaceColour);
}

void CMyStatic::SetInfo(QObject* owner, const std::string& text, const OBJECT_INFO* object, int x, int y) {
  owner_ = owner;
  SetText(text);
  object_ = object;
  x_ = x;
  y_ = y;
}

void CMyStatic::SetFont(const LOGFONT& font) {
  font_ = pages::FontOfLogFont(font);
  has_font_ = true;
  update();
}

void CMyStatic::SetColor(int index, COLORREF colour) {
  if (index < kHoverColour || index > kBackColour) return;
  if (index == kBackColour) {
    pages::SetBackgroundColour(*this, colour);
  } else {
    colours_[static_cast<std::size_t>(index)] = colour;
  }
  update();
}

COLORREF CMyStatic::Color(int index) const {
  if (index < kHoverColour || index > kBackColour) return 0;
  if (index == kBackColour) return ColourRefOf(palette().color(QPalette::Window));
  return colours_[static_cast<std::size_t>(index)];
}

void CMyStatic::SetText(const std::string& text) { setText(pages::ToQString(text)); }

QFont CMyStatic::TextFont() const { return has_font_ ? font_ : pages::DefaultGuiFont(); }

QSize CMyStatic::TextSize(int width) const {
  const QFontMetrics metrics(TextFont());
  return metrics.boundingRect(QRect(0, 0, width, kUnlimited), Qt::TextWordWrap, text()).size();
}

void CMyStatic::DrawText(QPainter& painter, const QRect& area, COLORREF colour) const {
  painter.setFont(TextFont());
  painter.setPen(pages::ToQColor(colour));
  const int alignment = kTextFormat & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask);
  const int flags = QStyle::visualAlignment(layoutDirection(), Qt::Alignment(alignment)) | (kTextFormat & ~alignment);
  if (!centre_) {
    painter.drawText(area, flags, text());
    return;
  }
  const int height = TextSize(area.width()).height();
  painter.drawText(area.translated(0, (area.height() - height) / 2), flags | Qt::TextWordWrap, text());
}

void CMyStatic::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (fill_background_) painter.fillRect(rect(), palette().color(QPalette::Window));
  DrawText(painter, rect(), colours_[kTextColour]);
}

void CMyStatic::PlaceWithSize(const QSize& size) {
  setGeometry(x_ >= 0 ? x_ : x(), y_ >= 0 ? y_ : y(), size.width(), size.height());
}

void CMyStatic::AutoSize() { PlaceWithSize(TextSize(kUnlimited)); }
