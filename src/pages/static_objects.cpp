#include "pages/static_objects.h"

#include "pages/base_dlg.h"
#include "pages/my_static.h"
#include "pages/object_window.h"

namespace pages {

bool StaticObjects::CreateObjects() {
  if (owner_ == nullptr) return false;
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    const OBJECT_INFO& info = *objects_[i].info;
    auto* text = new CMyStatic(owner_);
    text->setGeometry(ObjectRect(info, kDefaultObjectSize));
    text->SetInfo(owner_, info.text, &info, info.position.x, info.position.y);
    if (info.has_font) text->SetFont(info.font);
    if (info.has_colours) text->SetColor(CMyStatic::kTextColour, info.colour);
    text->SetCentre(info.centre_text);
    if (!HasSize(info)) text->AutoSize();
    Attach(i, text);
  }
  return true;
}

}  // namespace pages
