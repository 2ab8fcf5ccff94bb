#include "pages/link_objects.h"

#include "app/global_variable.h"
#include "pages/base_dlg.h"
#include "pages/bitmap_lookup.h"
#include "pages/my_link.h"
#include "pages/object_window.h"

namespace pages {

namespace {

// The bitmap `name` names, or the program's `fallback` when it names none.
QPixmap IconBitmap(const CGlobalVariable& environment, const std::string& name, const char* fallback) {
  return LoadBitmap(environment, name.empty() ? fallback : name);
}

// The link is for another system when its UNSUPPORTED_OS list holds the
// running system's OS define.
bool IsUnsupported(const CGlobalVariable& environment, const OBJECT_INFO& info) {
  const std::string define = environment.OsDefine();
  return !info.unsupported_os.empty() && !define.empty() && info.unsupported_os.find(define) != std::string::npos;
}

}  // namespace

bool LinkObjects::CreateObjects() {
  if (owner_ == nullptr) return false;
  const CGlobalVariable& environment = owner_->Environment();
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    const OBJECT_INFO& info = *objects_[i].info;
    auto* link = new CMyLink(owner_);
    link->setGeometry(ObjectRect(info, kDefaultObjectSize));
    link->SetInfo(owner_, info.text, &info, info.position.x, info.position.y);
    if (info.has_font) link->SetFont(info.font);
    // One colour key replaces all three of the link's own colours.
    if (info.has_colours) {
      link->SetColor(CMyStatic::kHoverColour, info.hover_colour);
      link->SetColor(CMyStatic::kTextColour, info.colour);
      link->SetColor(CMyStatic::kDisabledColour, info.disabled_colour);
    }
    link->SetTooltip(info.tooltip);
    link->SetScript(info.script);
    if (info.use_bitmap_icon) {
      link->SetIcons(IconBitmap(environment, info.off_bitmap, CMyLink::kOffBitmap),
                     IconBitmap(environment, info.on_bitmap, CMyLink::kOnBitmap),
                     IconBitmap(environment, info.clicked_bitmap, CMyLink::kClickedBitmap), info.transparent_colour);
    }
    link->SetUnsupported(IsUnsupported(environment, info));
    if (!HasSize(info)) link->AutoSize();
    Attach(i, link);
  }
  return true;
}

}  // namespace pages
