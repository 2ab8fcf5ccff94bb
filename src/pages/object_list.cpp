#include "pages/object_list.h"

#include "app/global_variable.h"
#include "pages/animation_objects.h"
#include "pages/base_dlg.h"
#include "pages/bitmap_objects.h"
#include "pages/button_objects.h"
#include "pages/edit_objects.h"
#include "pages/language_objects.h"
#include "pages/link_objects.h"
#include "pages/result_list_objects.h"
#include "pages/static_objects.h"
#include "platform/code_page_text.h"
#include "platform/system_info.h"

CObjectList::~CObjectList() { ClearObjects(); }

bool CObjectList::AddObject(const std::string& section) {
  if (owner_ == nullptr) return false;
  auto info = std::make_unique<OBJECT_INFO>();
  if (!pages::ReadObjectInfo(owner_->Environment(), section, *info)) return false;
  objects_.push_back(Entry{std::move(info), nullptr});
  return true;
}

bool CObjectList::CreateObjects() { return true; }

bool CObjectList::ClearObjects() {
  for (Entry& entry : objects_) delete entry.window.data();
  objects_.clear();
  return true;
}

void CObjectList::Attach(std::size_t index, QWidget* window) {
  Entry& entry = objects_[index];
  entry.window = window;
  window->setEnabled(entry.info->enabled);
  window->setVisible(entry.info->visible);
}

QWidget* CObjectList::FindDefaultWindow() const {
  for (const Entry& entry : objects_) {
    if (entry.info->default_button) return entry.window;
  }
  return nullptr;
}

bool CObjectList::ToggleShow(std::string_view name) {
  const platform::CodePageText text(platform::GetActiveCodePage());
  for (Entry& entry : objects_) {
    if (!text.Equal(entry.info->name, name)) continue;
    if (entry.window != nullptr) entry.window->setVisible(entry.window->isHidden());
    return true;
  }
  return false;
}

namespace pages {

std::unique_ptr<CObjectList> MakeObjectList(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::kLink: return std::make_unique<LinkObjects>();
    case ObjectKind::kStatic: return std::make_unique<StaticObjects>();
    case ObjectKind::kButton: return std::make_unique<ButtonObjects>();
    case ObjectKind::kBitmap: return std::make_unique<BitmapObjects>();
    case ObjectKind::kLanguage: return std::make_unique<LanguageObjects>();
    case ObjectKind::kEdit: return std::make_unique<EditObjects>();
    case ObjectKind::kAnimation: return std::make_unique<AnimationObjects>();
    case ObjectKind::kResultList: return std::make_unique<ResultListObjects>();
    default: return std::make_unique<CObjectList>(kind);
  }
}

}  // namespace pages
