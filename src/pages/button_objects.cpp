#include "pages/button_objects.h"

#include "pages/base_dlg.h"
#include "pages/my_button.h"
#include "pages/object_window.h"

namespace pages {

bool ButtonObjects::CreateObjects() {
  if (owner_ == nullptr) return false;
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    const OBJECT_INFO& info = *objects_[i].info;
    auto* button = new CMyButton(owner_);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setGeometry(ObjectRect(info, kDefaultObjectSize));
    button->SetInfo(info.text, &info, info.position.x, info.position.y);
    if (info.has_font) button->SetFont(info.font);
    button->SetTooltip(info.tooltip);
    if (!HasSize(info)) button->AutoSize();
    Attach(i, button);
  }
  return true;
}

}  // namespace pages
