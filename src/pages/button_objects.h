// The buttons of a page, each a CMyButton.
#pragma once

#include "pages/object_list.h"

namespace pages {

class ButtonObjects : public CObjectList {
 public:
  ButtonObjects() : CObjectList(ObjectKind::kButton) {}
  bool CreateObjects() override;
};

}  // namespace pages
