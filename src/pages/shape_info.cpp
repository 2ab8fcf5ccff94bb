#include "pages/shape_info.h"

#include "platform/code_page_text.h"
#include "platform/system_info.h"
#include "profile/my_profile.h"

namespace pages {

bool ReadShapeInfo(const CMyProfile& profile, std::string_view section, int kind, SHAPE_INFO& shape) {
  if (kind < kShapeLine || kind > kShapeGradient) return false;
  const std::string name(section);
  const char* at = name.c_str();
  shape = SHAPE_INFO();
  shape.kind = static_cast<std::uint16_t>(kind);
  profile.GetControl(at, "POSITION", &shape.position);
  profile.GetControl(at, "SIZE", &shape.size);
  profile.GetDword(at, "LINE_WIDTH", &shape.line_width);
  profile.GetControl(at, "COLOR", &shape.colour);
  profile.GetControl(at, "START_COLOR", &shape.start_colour);
  profile.GetControl(at, "END_COLOR", &shape.end_colour);
  if (kind != kShapeGroupBox) return true;

  std::string caption;
  if (!profile.GetString(at, "NAME", caption)) return true;
  const platform::CodePageText text(platform::GetActiveCodePage());
  shape.caption = caption.substr(0, text.CutLength(caption, kShapeCaptionSize - 1));
  shape.has_back_colour = profile.GetControl(at, "BACK_COLOR", &shape.back_colour);
  return true;
}

}  // namespace pages
