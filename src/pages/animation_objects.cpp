#include "pages/animation_objects.h"

#include "app/global_variable.h"
#include "pages/animation_control.h"
#include "pages/base_dlg.h"
#include "pages/object_window.h"

namespace pages {

namespace {

constexpr QSize kDefaultAnimationSize(100, 100);

}  // namespace

bool AnimationObjects::CreateObjects() {
  if (owner_ == nullptr) return false;
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    const OBJECT_INFO& info = *objects_[i].info;
    if (info.animation_file.empty()) continue;
    auto* animation = new AnimationControl(owner_);
    animation->setGeometry(ObjectRect(info, kDefaultAnimationSize));
    // A clip that cannot be played leaves the window empty, as it leaves an
    // animation control.
    animation->Open(owner_->Environment().ResolvePath(info.animation_file, false));
    Attach(i, animation);
  }
  return true;
}

}  // namespace pages
