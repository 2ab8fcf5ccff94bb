#include "pages/language_objects.h"

#include "app/global_variable.h"
#include "pages/base_dlg.h"
#include "pages/my_combo_box.h"
#include "pages/object_window.h"

namespace pages {

bool LanguageObjects::CreateObjects() {
  if (owner_ == nullptr) return false;
  CGlobalVariable& environment = owner_->Environment();
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    const OBJECT_INFO& info = *objects_[i].info;
    auto* list = new CMyComboBox(owner_);
    list->setGeometry(ObjectRect(info, kDefaultObjectSize));
    if (info.has_font) list->SetFont(info.font);
    list->SetTooltip(info.tooltip);
    if (!list->Create(environment, info.data_section)) {
      delete list;
      continue;
    }
    Attach(i, list);
    // The language of an installation being maintained stays as it is.
    if (environment.InstallEnv().InstalledBefore()) list->setEnabled(false);
  }
  return true;
}

}  // namespace pages
