// The result lists of a page, each listing the items chosen so far.
#pragma once

#include "pages/object_list.h"

namespace pages {

class ResultListObjects : public CObjectList {
 public:
  ResultListObjects() : CObjectList(ObjectKind::kResultList) {}
  bool CreateObjects() override;
};

}  // namespace pages
