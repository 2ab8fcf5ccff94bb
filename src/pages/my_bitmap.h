// A bitmap on a page: drawn unscaled with one colour left out, so the page
// shows through there, or stretched over the control.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <string>

#include "pages/object_info.h"

class CGlobalVariable;

class CMyBitmap : public QWidget {
 public:
  // Bitmaps are looked up among those of `environment`: its resource
  // module, the program's own, the medium's files.
  CMyBitmap(const CGlobalVariable& environment, QWidget* parent);

  // Shows the bitmap `name` at `position`: as large as `size` when both its
  // values are non-zero, else as large as the bitmap. With `transparent`,
  // the pixels of `transparent_colour` are left out and the bitmap is not
  // scaled. False, with nothing changed, when the size has to come from a
  // bitmap that cannot be found; with a size given, a missing bitmap leaves
  // the control empty.
  bool SetBitmap(const std::string& name, POINT position, SIZE size, bool transparent, COLORREF transparent_colour);

  const QPixmap& Bitmap() const { return bitmap_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const CGlobalVariable& environment_;
  QPixmap bitmap_;
  bool transparent_ = false;
};
