// The links of a page, each a CMyLink.
#pragma once

#include "pages/object_list.h"

namespace pages {

class LinkObjects : public CObjectList {
 public:
  LinkObjects() : CObjectList(ObjectKind::kLink) {}
  bool CreateObjects() override;
};

}  // namespace pages
