#include "pages/bitmap_objects.h"

#include "pages/base_dlg.h"
#include "pages/my_bitmap.h"

namespace pages {

bool BitmapObjects::CreateObjects() {
  if (owner_ == nullptr) return false;
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    const OBJECT_INFO& info = *objects_[i].info;
    auto* bitmap = new CMyBitmap(owner_->Environment(), owner_);
    // Without a size and a bitmap to take it from there is nothing to show.
    if (!bitmap->SetBitmap(info.text, info.position, info.size, info.has_transparent_colour, info.transparent_colour)) {
      delete bitmap;
      continue;
    }
    Attach(i, bitmap);
  }
  return true;
}

}  // namespace pages
