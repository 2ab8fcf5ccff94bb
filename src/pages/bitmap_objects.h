// The bitmaps of a page, each a CMyBitmap.
#pragma once

#include "pages/object_list.h"

namespace pages {

class BitmapObjects : public CObjectList {
 public:
  BitmapObjects() : CObjectList(ObjectKind::kBitmap) {}
  bool CreateObjects() override;
};

}  // namespace pages
