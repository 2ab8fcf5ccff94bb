#include "pages/object_kind.h"

#include "platform/code_page_text.h"
#include "platform/system_info.h"

namespace pages {

namespace {

struct Marker {
  std::string_view text;
  ObjectKind kind;
};

// In the order they are looked for.
constexpr Marker kMarkers[] = {
    {"LINK.", ObjectKind::kLink},
    {"STATIC.", ObjectKind::kStatic},
    {"BITMAP.", ObjectKind::kBitmap},
    {"BUTTON.", ObjectKind::kButton},
    {"LANG.", ObjectKind::kLanguage},
    {"EDIT.", ObjectKind::kEdit},
    {"DEST_DIR.", ObjectKind::kDestDir},
    {"AVI.", ObjectKind::kAnimation},
    {"RESULTLIST.", ObjectKind::kResultList},
    {"LINE.", ObjectKind::kLine},
    {"RECTANGLE.", ObjectKind::kRectangle},
    {"EDGE.", ObjectKind::kEdge},
    {"GROUP_BOX.", ObjectKind::kGroupBox},
    {"GRADIENTRECT.", ObjectKind::kGradient},
};

}  // namespace

ObjectKind ObjectKindOfName(std::string_view name) {
  // Searched character by character, so that the second byte of a
  // double-byte character never starts a marker.
  const platform::CodePageText text(platform::GetActiveCodePage());
  for (const Marker& marker : kMarkers) {
    if (text.Find(name, marker.text) != std::string_view::npos) return marker.kind;
  }
  return ObjectKind::kNone;
}

std::uint32_t ItemTypeFlags(std::string_view item_type) {
  const platform::CodePageText text(platform::GetActiveCodePage());
  const std::string upper = text.Upper(item_type);
  const auto has = [&](std::string_view word) { return text.Find(upper, word) != std::string_view::npos; };

  std::uint32_t flags = kItemTypeNormal;
  if (has("NORMAL")) {
    flags = kItemTypeNormal;
  } else if (has("NOT_INST")) {
    flags = kItemTypeNotInstalled;
  } else if (has("INST")) {
    flags = kItemTypeInstalled;
  } else if (has("ALL")) {
    flags = kItemTypeAll;
  }

  if (has("UNCHK")) {
    flags |= kItemTypeUnchecked;
  } else if (has("CHK")) {
    flags |= kItemTypeChecked;
  }

  if (!has("TYPE_INST")) {
    if (has("TYPE_UNIN")) {
      flags |= kItemTypeUninstall;
    } else if (has("TYPE_REIN")) {
      flags |= kItemTypeReinstall;
    }
  }
  return flags;
}

}  // namespace pages
