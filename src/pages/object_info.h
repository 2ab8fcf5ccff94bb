// One object of a page (a link, text, bitmap, button, language box, edit,
// animation or result list) as its object section of the configure profile
// describes it. The section may name a BASE_ON section whose keys it takes
// unless it has them itself; the section read is the most specific variant
// of the name for the system, language and connection. The control that
// shows a record is kept beside it by the page, not in it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "profile/geometry.h"
#include "wizard/command_record.h"

class CGlobalVariable;

namespace pages {

// The system's button-face colour, the background of texts that name none.
inline constexpr COLORREF kButtonFaceColour = 0xF0F0F0;
// The transparent colour of bitmaps that name none: red 198, green 195,
// blue 198.
inline constexpr COLORREF kDefaultTransparentColour = 0xC6C3C6;
// The weight of a bold font; 0 is the default weight.
inline constexpr std::int32_t kFontWeightBold = 700;
// A face name holds at most this many bytes with its NUL.
inline constexpr std::size_t kFaceNameSize = 32;
// How many BASE_ON sections one object may be built on, one on top of the
// other; a longer chain is read from its first sections only.
inline constexpr int kMaxBaseOnDepth = 16;

}  // namespace pages

// The font of an object, as its font section describes it. A zero font is
// the system's default face at the default size.
struct LOGFONT {
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t weight = 0;
  bool italic = false;
  bool underline = false;
  std::string face_name;
};

struct OBJECT_INFO {
  std::string name;  // the object section the record was read from
  std::string text;  // NAME
  POINT position;
  SIZE size;
  wizard::CommandRecord command;
  std::string tooltip;
  std::string script;
  bool has_colours = false;  // COLOR, HI_COLOR or DIS_COLOR given
  bool has_transparent_colour = false;
  bool has_back_colour = false;
  COLORREF hover_colour = 0;     // HI_COLOR
  COLORREF colour = 0;           // COLOR
  COLORREF disabled_colour = 0;  // DIS_COLOR
  COLORREF transparent_colour = pages::kDefaultTransparentColour;
  COLORREF back_colour = pages::kButtonFaceColour;
  bool use_bitmap_icon = false;
  std::string on_bitmap;
  std::string off_bitmap;
  std::string clicked_bitmap;
  bool has_font = false;  // FONT given, even when its section is missing
  LOGFONT font;
  bool enabled = true;  // ENABLE
  bool visible = true;  // SHOW
  std::string unsupported_os;
  std::string data_section;
  std::string animation_file;  // AVI_FILE
  bool default_button = false;
  std::string text_file;
  bool centre_text = false;  // TEXT_ALIGN_CENTER
};

namespace pages {

// `info` becomes the object of `object_section`, read from the most
// specific variant of that name in the configure profile of `environment`
// (ReadObjectFromSection), so its name is the variant's. False, the object
// being left out, when no variant of the section exists or it cannot be
// read.
bool ReadObjectInfo(CGlobalVariable& environment, std::string_view object_section, OBJECT_INFO& info);

// `info` becomes the object of exactly `section` of the configure profile:
// first what its BASE_ON section (with its own BASE_ON, and so on) gives,
// then each line of `section` in file order whose key is an object key,
// read again from the section by that key's reader, so a key written twice
// applies its first value twice. CMD_PARAM1.64 to CMD_PARAM5.64 count only
// on a 64-bit system, where the later of a parameter and its .64 form
// wins. A BASE_ON chain stops before a section it has already read and
// after kMaxBaseOnDepth sections. False for an empty name, a missing
// section, and a command that runs or opens a file (CT_EXE_FILE_WAIT, …)
// whose first parameter names no file on the medium; `info` then keeps
// what was read.
bool ReadObjectFromSection(CGlobalVariable& environment, std::string_view section, OBJECT_INFO& info);

}  // namespace pages
