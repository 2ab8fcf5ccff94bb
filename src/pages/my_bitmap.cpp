#include "pages/my_bitmap.h"

#include <QPainter>

#include "pages/bitmap_lookup.h"
#include "pages/control_style.h"

CMyBitmap::CMyBitmap(const CGlobalVariable& environment, QWidget* parent)
    : QWidget(parent), environment_(environment) {}

bool CMyBitmap::SetBitmap(const std::string& name, POINT position, SIZE size, bool transparent,
                          COLORREF transparent_colour) {
  const QPixmap bitmap = pages::LoadBitmap(environment_, name);
  const bool sized = size.cx != 0 && size.cy != 0;
  if (!sized && bitmap.isNull()) return false;
  transparent_ = transparent;
  bitmap_ = transparent && !bitmap.isNull() ? pages::WithoutColour(bitmap, transparent_colour) : bitmap;
  setGeometry(position.x, position.y, sized ? size.cx : bitmap.width(), sized ? size.cy : bitmap.height());
  update();
  return true;
}

void CMyBitmap::paintEvent(QPaintEvent*) {
  if (bitmap_.isNull()) return;
  QPainter painter(this);
  if (transparent_) {
    painter.drawPixmap(0, 0, bitmap_);
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), bitmap_);
}
