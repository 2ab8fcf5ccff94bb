#include "pages/result_list_objects.h"

#include "pages/base_dlg.h"
#include "pages/object_window.h"
#include "pages/result_list.h"

namespace pages {

bool ResultListObjects::CreateObjects() {
  if (owner_ == nullptr) return false;
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    auto* list = new ResultList(owner_);
    list->setGeometry(ObjectRect(*objects_[i].info, kDefaultObjectSize));
    Attach(i, list);
  }
  return true;
}

}  // namespace pages
