// The text views of a page, each a CMyEdit showing a file of the medium.
#pragma once

#include "pages/object_list.h"

namespace pages {

class EditObjects : public CObjectList {
 public:
  EditObjects() : CObjectList(ObjectKind::kEdit) {}
  bool CreateObjects() override;
};

}  // namespace pages
