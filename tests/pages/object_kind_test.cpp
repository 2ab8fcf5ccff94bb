#include <gtest/gtest.h>

#include <cstdint>

#include "pages/object_kind.h"
#include "temp_machine.h"

namespace {

using pages::ObjectKind;

TEST(ObjectKindTest, TheFirstMarkerOfTheTableFoundAnywhereInTheNameWins) {
  inktest::TempMachine machine;
  struct Case {
    const char* name;
    ObjectKind kind;
  };
  const Case cases[] = {
      {"LINK.BUTTON.X", ObjectKind::kLink},
      {"BUTTON.LINK.X", ObjectKind::kLink},
      {"STATIC.LINK.1", ObjectKind::kLink},
      {"STATIC.TITLE", ObjectKind::kStatic},
      {"BUTTON.BITMAP.1", ObjectKind::kBitmap},
      {"MY_BUTTON.OK", ObjectKind::kButton},
      {"LANG.1", ObjectKind::kLanguage},
      {"EDIT.LINE.1", ObjectKind::kEdit},
      {"DEST_DIR.1", ObjectKind::kDestDir},
      {"AVI.1", ObjectKind::kAnimation},
      {"RESULTLIST.1", ObjectKind::kResultList},
      {"OUTLINE.1", ObjectKind::kLine},
      {"RECTANGLE.1", ObjectKind::kRectangle},
      {"EDGE.1", ObjectKind::kEdge},
      {"GROUP_BOX.1", ObjectKind::kGroupBox},
      {"GRADIENTRECT.1", ObjectKind::kGradient},
      {"button.ok", ObjectKind::kNone},
      {"Link.1", ObjectKind::kNone},
      {"BUTTON", ObjectKind::kNone},
      {"GROUP_BOX", ObjectKind::kNone},
      {"", ObjectKind::kNone},
  };
  for (const Case& c : cases) EXPECT_EQ(pages::ObjectKindOfName(c.name), c.kind) << c.name;
}

TEST(ObjectKindTest, AMarkerNeverStartsInsideADoubleByteCharacter) {
  inktest::TempMachine machine([](platform::MachineConfig& config) { config.code_page = 932; });
  // 0x83 0x4C is one Shift-JIS character whose second byte is "L".
  EXPECT_EQ(pages::ObjectKindOfName("\x83LINK.1"), ObjectKind::kNone);
  EXPECT_EQ(pages::ObjectKindOfName("\x83LINK.BUTTON.1"), ObjectKind::kButton);
  EXPECT_EQ(pages::ObjectKindOfName("\x83\x4CLINK.1"), ObjectKind::kLink);
}

TEST(ObjectKindTest, ItemTypeFlagsFromTheWordsOfTheText) {
  inktest::TempMachine machine;
  struct Case {
    const char* item_type;
    std::uint32_t flags;
  };
  const Case cases[] = {
      {"", 0x0},
      {"XYZ", 0x0},
      {"NORMAL, UNCHK, TYPE_UNIN", 0x110},
      {"ALL", 0x3},
      {"NOT_INST", 0x2},
      {"INST", 0x1},
      {"ALL, TYPE_INST", 0x1},
      {"NORMAL, ALL, NOT_INST", 0x0},
      {"not_inst, unchk", 0x12},
      {"ALL, CHK", 0x23},
      {"ALL, CHK, UNCHK", 0x13},
      {"ALL, TYPE_REIN", 0x203},
      {"ALL, TYPE_UNIN, TYPE_REIN", 0x103},
      {"TYPE_INST, TYPE_UNIN, TYPE_REIN", 0x1},
  };
  for (const Case& c : cases) EXPECT_EQ(pages::ItemTypeFlags(c.item_type), c.flags) << c.item_type;
}

}  // namespace
