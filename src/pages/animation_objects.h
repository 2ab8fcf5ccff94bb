// The animations of a page, each playing an AVI file of the medium.
#pragma once

#include "pages/object_list.h"

namespace pages {

class AnimationObjects : public CObjectList {
 public:
  AnimationObjects() : CObjectList(ObjectKind::kAnimation) {}
  bool CreateObjects() override;
};

}  // namespace pages
