#include "pages/object_window.h"

namespace pages {

bool HasSize(const OBJECT_INFO& info) { return info.size.cx != 0 && info.size.cy != 0; }

QRect ObjectRect(const OBJECT_INFO& info, QSize default_size) {
  const QSize size = HasSize(info) ? QSize(info.size.cx, info.size.cy) : default_size;
  return QRect(QPoint(info.position.x, info.position.y), size);
}

}  // namespace pages
