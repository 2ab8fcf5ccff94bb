// The texts of a page, each a CMyStatic drawn over the page.
#pragma once

#include "pages/object_list.h"

namespace pages {

class StaticObjects : public CObjectList {
 public:
  StaticObjects() : CObjectList(ObjectKind::kStatic) {}
  bool CreateObjects() override;
};

}  // namespace pages
