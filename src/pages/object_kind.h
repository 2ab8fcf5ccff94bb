// What a page does with each entry of its object list: the kind of an
// object is told by a marker in the name of its section, and the page's
// ITEM_TYPE text tells its item list which items to show and how to tick
// them.
#pragma once

#include <cstdint>
#include <string_view>

namespace pages {

// The kinds in the order their markers are looked for; kNone for a name
// without any marker.
enum class ObjectKind {
  kLink,        // LINK.
  kStatic,      // STATIC.
  kBitmap,      // BITMAP.
  kButton,      // BUTTON.
  kLanguage,    // LANG.
  kEdit,        // EDIT.
  kDestDir,     // DEST_DIR.
  kAnimation,   // AVI.
  kResultList,  // RESULTLIST.
  kLine,        // LINE.
  kRectangle,   // RECTANGLE.
  kEdge,        // EDGE.
  kGroupBox,    // GROUP_BOX.
  kGradient,    // GRADIENTRECT.
  kNone,
};

// The kind of the object section `name`: the first marker of the list
// above found anywhere in the name, compared as written (letter case
// counts), so "STATIC.LINK.1" is a link and "MY_BUTTON.OK" a button.
ObjectKind ObjectKindOfName(std::string_view name);

// Which items an item list shows (the low four bits)...
inline constexpr std::uint32_t kItemTypeNormal = 0x0;        // all items, ticked by their install type
inline constexpr std::uint32_t kItemTypeInstalled = 0x1;     // the installed ones
inline constexpr std::uint32_t kItemTypeNotInstalled = 0x2;  // the ones not installed
inline constexpr std::uint32_t kItemTypeAll = 0x3;           // all items
// ...how they are ticked...
inline constexpr std::uint32_t kItemTypeUnchecked = 0x10;
inline constexpr std::uint32_t kItemTypeChecked = 0x20;
// ...and for which action they must be valid (none: installing).
inline constexpr std::uint32_t kItemTypeUninstall = 0x100;
inline constexpr std::uint32_t kItemTypeReinstall = 0x200;

// The flags of an ITEM_TYPE text, found by looking for words in it in upper
// case: NORMAL, else NOT_INST, else INST, else ALL picks the items; UNCHK,
// else CHK the ticks; TYPE_INST, else TYPE_UNIN, else TYPE_REIN the action.
// A word inside another counts ("TYPE_INST" holds "INST"); 0 for "".
std::uint32_t ItemTypeFlags(std::string_view item_type);

}  // namespace pages
