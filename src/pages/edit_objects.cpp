#include "pages/edit_objects.h"

#include "pages/base_dlg.h"
#include "pages/my_edit.h"
#include "pages/object_window.h"

namespace pages {

bool EditObjects::CreateObjects() {
  if (owner_ == nullptr) return false;
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    const OBJECT_INFO& info = *objects_[i].info;
    auto* edit = new CMyEdit(owner_);
    // A text view whose file cannot be read does not appear.
    if (!edit->Open(owner_->Environment(), info.text_file)) {
      delete edit;
      continue;
    }
    edit->setGeometry(ObjectRect(info, kDefaultObjectSize));
    if (info.has_font) edit->SetFont(info.font);
    Attach(i, edit);
  }
  return true;
}

}  // namespace pages
