// The language lists of a page, each a CMyComboBox.
#pragma once

#include "pages/object_list.h"

namespace pages {

class LanguageObjects : public CObjectList {
 public:
  LanguageObjects() : CObjectList(ObjectKind::kLanguage) {}
  bool CreateObjects() override;
};

}  // namespace pages
