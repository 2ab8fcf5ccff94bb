#include "pages/control_style.h"

#include <QApplication>
#include <QBitmap>
#include <QTextLayout>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "pages/page_text.h"

namespace pages {

namespace {

// The tip of the finger in the hand cursor's image.
constexpr int kHandHotX = 11;
constexpr int kHandHotY = 1;
// A tooltip is at most this share of its page's width, in percent.
constexpr int kTooltipWidthPercent = 70;
// The weights a font can have, as LOGFONT and Qt both count them.
constexpr std::int32_t kLightestWeight = 100;
constexpr std::int32_t kHeaviestWeight = 900;

// `text` broken into lines no wider than `width` pixels in `font`.
QString WrapText(const QString& text, const QFont& font, int width) {
  QStringList lines;
  for (const QString& paragraph : text.split('\n')) {
    QTextLayout layout(paragraph, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    if (paragraph.isEmpty()) lines << QString();
  }
  return lines.join('\n');
}

}  // namespace

QFont FontOfLogFont(const LOGFONT& font) {
  QFont result = DefaultGuiFont();
  if (!font.face_name.empty()) result.setFamily(ToQString(font.face_name));
  if (font.height != 0) result.setPixelSize(std::abs(font.height));
  if (font.weight != 0) {
    result.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, kLightestWeight, kHeaviestWeight)));
  }
  result.setItalic(font.italic);
  result.setUnderline(font.underline);
  return result;
}

QFont DefaultGuiFont() {
  QFont font = QApplication::font();
  font.setWeight(QFont::Normal);
  return font;
}

QCursor HandCursor() {
  const QPixmap hand(QStringLiteral(":/cursors/131.png"));
  if (hand.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(hand, kHandHotX, kHandHotY);
}

QPixmap WithoutColour(const QPixmap& pixmap, COLORREF colour) {
  QPixmap masked = pixmap;
  masked.setMask(pixmap.createMaskFromColor(ToQColor(colour), Qt::MaskInColor));
  return masked;
}

void ShowTooltip(QWidget* control, const QString& text, const QPoint& global_position) {
  if (text.isEmpty()) {
    QToolTip::hideText();
    return;
  }
  const QWidget* page = control->parentWidget() != nullptr ? control->parentWidget() : control;
  const int width = page->width() * kTooltipWidthPercent / 100;
  QToolTip::showText(global_position, width > 0 ? WrapText(text, QToolTip::font(), width) : text, control);
}

}  // namespace pages
