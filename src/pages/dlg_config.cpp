#include "pages/dlg_config.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/global_variable.h"
#include "pages/base_dlg.h"
#include "pages/bitmap_lookup.h"
#include "pages/shape_painter.h"
#include "platform/code_page_text.h"
#include "platform/codepage.h"
#include "profile/format.h"

using pages::ObjectKind;

namespace {

constexpr const char* kCommonSection = "DLG_COMMON";

// The window kinds in the order their controls are created, so that later
// ones (buttons, links) lie above earlier ones (bitmaps).
constexpr ObjectKind kCreationOrder[] = {
    ObjectKind::kBitmap, ObjectKind::kAnimation, ObjectKind::kLanguage, ObjectKind::kEdit,
    ObjectKind::kLink,   ObjectKind::kStatic,    ObjectKind::kButton,   ObjectKind::kResultList,
};

// The order in which a toggled name is looked for, and lists are cleared.
constexpr ObjectKind kToggleOrder[] = {
    ObjectKind::kLink,     ObjectKind::kStatic, ObjectKind::kButton,    ObjectKind::kBitmap,
    ObjectKind::kLanguage, ObjectKind::kEdit,   ObjectKind::kAnimation, ObjectKind::kResultList,
};

// Where the default object is looked for.
constexpr ObjectKind kDefaultObjectOrder[] = {ObjectKind::kLink, ObjectKind::kButton, ObjectKind::kLanguage};

bool IsWindowKind(ObjectKind kind) {
  for (ObjectKind listed : kCreationOrder) {
    if (listed == kind) return true;
  }
  return false;
}

// The shape kind numbers the shape records carry; 0 for a window kind.
int ShapeKindOf(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::kLine: return pages::kShapeLine;
    case ObjectKind::kRectangle: return pages::kShapeRectangle;
    case ObjectKind::kEdge: return pages::kShapeEdge;
    case ObjectKind::kGroupBox: return pages::kShapeGroupBox;
    case ObjectKind::kGradient: return pages::kShapeGradient;
    default: return 0;
  }
}

bool IsEmpty(const RECT& rect) { return rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0; }

}  // namespace

CDlgConfig::CDlgConfig(CGlobalVariable& environment) : environment_(environment) {
  for (ObjectKind kind : kCreationOrder) lists_.push_back(pages::MakeObjectList(kind));
}

CDlgConfig::~CDlgConfig() { Clear(); }

const CMyProfile& CDlgConfig::Profile() const { return environment_.Profiles().Configure(); }

CObjectList& CDlgConfig::Objects(ObjectKind kind) {
  for (auto& list : lists_) {
    if (list->Kind() == kind) return *list;
  }
  return *lists_.front();
}

bool CDlgConfig::ReadString(const char* key, std::string& value, bool with_common) const {
  const CMyProfile& profile = Profile();
  if (profile.GetString(section_.c_str(), key, value)) return true;
  if (!base_section_.empty() && profile.GetString(base_section_.c_str(), key, value)) return true;
  return with_common && profile.GetString(kCommonSection, key, value);
}

bool CDlgConfig::ReadNumber(const char* key, std::uint32_t& value, bool with_common) const {
  const CMyProfile& profile = Profile();
  if (profile.GetDword(section_.c_str(), key, &value)) return true;
  if (!base_section_.empty() && profile.GetDword(base_section_.c_str(), key, &value)) return true;
  return with_common && profile.GetDword(kCommonSection, key, &value);
}

bool CDlgConfig::ReadRect(const char* key, RECT& rect, bool& from_page) const {
  const CMyProfile& profile = Profile();
  from_page = true;
  if (profile.GetControl(section_.c_str(), key, &rect)) return true;
  if (!base_section_.empty() && profile.GetControl(base_section_.c_str(), key, &rect)) return true;
  from_page = false;
  return profile.GetControl(kCommonSection, key, &rect);
}

bool CDlgConfig::SetConfig(CBaseDlg* owner, const std::string& section, bool child_page) {
  if (owner != nullptr) owner_ = owner;
  if (!section.empty()) section_ = section;
  child_page_ = child_page;
  if (owner_ == nullptr) return false;

  base_section_.clear();
  Profile().GetString(section_.c_str(), "BASE_ON", base_section_);
  for (auto& list : lists_) list->SetOwner(owner_);

  if (!ReadString("CAPTION", caption_, true)) caption_ = environment_.ProgramInfo().ProgramName();
  // Loaded once here rather than at each paint: a page is painted again
  // under every control that changes its look.
  std::string background;
  ReadString("BACK_BMP", background, true);
  background_ = pages::LoadBitmap(environment_, background);
  std::uint32_t stretch = 0;
  stretch_background_ = ReadNumber("STRETCH_BACK_BMP", stretch, true) && stretch != 0;

  RECT rect;
  bool from_page = false;
  if (ReadRect("DLG_RECT", rect, from_page)) {
    page_rect_ = rect;
    own_rect_ = from_page;
  }

  std::string position;
  position_type_ = kPositionDefault;
  if (ReadString("DLG_POS_TYPE", position, true)) {
    const platform::CodePageText text(platform::GetActiveCodePage());
    if (text.Equal(position, "FREE")) position_type_ = kPositionFree;
    if (text.Equal(position, "FULL_SCREEN")) position_type_ = kPositionFullScreen;
  }

  std::uint32_t block = 0;
  block_cancel_ = Profile().GetDword(section_.c_str(), "BLOCK_CANCEL", &block) && block != 0;

  LoadObjects();
  return true;
}

bool CDlgConfig::LoadObjects() {
  std::uint32_t count = 0;
  if (!ReadNumber("NUM_OF_OBJ", count, false)) return false;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::string key = profile::Format("OBJ_%u", i);
    std::string name;
    if (!ReadString(key.c_str(), name, false)) continue;
    const ObjectKind kind = pages::ObjectKindOfName(name);
    if (IsWindowKind(kind)) {
      Objects(kind).AddObject(name);
      continue;
    }
    const int shape_kind = ShapeKindOf(kind);
    if (shape_kind == 0) continue;
    SHAPE_INFO shape;
    if (pages::ReadShapeInfo(Profile(), name, shape_kind, shape)) shapes_.push_back(shape);
  }
  return true;
}

bool CDlgConfig::CreateObjects(bool modal, bool centre) {
  if (owner_ == nullptr) return false;
  for (ObjectKind kind : kCreationOrder) Objects(kind).CreateObjects();

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QRect window = owner_->frameGeometry();
  const QRect client = owner_->geometry();
  const int border_width = window.width() - client.width();
  const int border_height = window.height() - client.height();
  if (IsEmpty(page_rect_) && !background_.isNull()) {
    page_rect_ = RECT{0, 0, background_.width() + border_width, background_.height() + border_height};
  }
  const int width = page_rect_.right - page_rect_.left;
  const int height = page_rect_.bottom - page_rect_.top;
  if (!modal && (child_page_ || position_type_ != kPositionDefault)) {
    if (position_type_ == kPositionFullScreen) {
      owner_->setGeometry(0, 0, screen.width(), screen.height());
    } else {
      owner_->resize(width, height);
    }
    owner_->hide();
    MirrorObjects();
    return true;
  }
  const int outer_width = width + border_width;
  const int outer_height = height + border_height;
  int x = (screen.width() - outer_width) / 2;
  const int y = (screen.height() - outer_height) / 2;
  if (centre && environment_.Options().RightAlign()) x = -x;
  owner_->setGeometry(x, y, width, height);
  owner_->raise();
  owner_->setVisible(modal);
  MirrorObjects();
  return true;
}

void CDlgConfig::MirrorObjects() {
  if (owner_->layoutDirection() != Qt::RightToLeft) return;
  // A right-to-left page counts x from its right edge, as its profile's
  // positions are meant for the left-to-right layout.
  const int width = owner_->width();
  for (const auto& list : lists_) {
    for (const CObjectList::Entry& entry : list->Objects()) {
      if (entry.window == nullptr) continue;
      const QRect rect = entry.window->geometry();
      entry.window->move(width - rect.x() - rect.width(), rect.y());
    }
  }
}

void CDlgConfig::Clear() {
  for (ObjectKind kind : kToggleOrder) Objects(kind).ClearObjects();
  shapes_.clear();
}

void CDlgConfig::DrawShapes(QPainter& painter) const {
  for (const SHAPE_INFO& shape : shapes_) pages::DrawShape(painter, shape);
}

bool CDlgConfig::FocusDefaultObject() const {
  for (ObjectKind kind : kDefaultObjectOrder) {
    for (const auto& list : lists_) {
      if (list->Kind() != kind) continue;
      if (QWidget* window = list->FindDefaultWindow()) {
        window->setFocus();
        return true;
      }
    }
  }
  return false;
}

bool CDlgConfig::ToggleShow(const std::string& name) {
  bool found = false;
  for (ObjectKind kind : kToggleOrder) found = Objects(kind).ToggleShow(name) || found;
  return found;
}
