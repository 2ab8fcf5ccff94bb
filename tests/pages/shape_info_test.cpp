#include <gtest/gtest.h>

#include <string>

#include "pages/shape_info.h"
#include "profile/my_profile.h"
#include "temp_machine.h"

namespace {

// Shapes read from the sections of one profile on a throw-away machine.
class ShapeInfoTest : public ::testing::Test {
 protected:
  void Create(const std::string& text) {
    machine_.WriteHostFile("drive_c/setup/shapes.ini", text);
    ASSERT_TRUE(profile_.Create("C:\\setup\\shapes.ini", "C:\\setup\\shapes.ini", {}, false));
  }

  inktest::TempMachine machine_;
  CMyProfile profile_;
};

TEST_F(ShapeInfoTest, KeysAndTheirDefaultsByKind) {
  Create(
      "[LINE.EMPTY]\n"
      "[LINE.FULL]\nPOSITION = 10,20\nSIZE = 300,0\nLINE_WIDTH = 3\nCOLOR = 1,2,3\nNAME = ignored\n"
      "[RECTANGLE.1]\nCOLOR = 255,0,0\nNAME = ignored\nBACK_COLOR = 1,1,1\n"
      "[GROUP_BOX.BARE]\nPOSITION = 5,6\nBACK_COLOR = 10,20,30\n"
      "[GROUP_BOX.NAMED]\nNAME = Options\nBACK_COLOR = 10,20,30\n"
      "[GROUP_BOX.PLAIN]\nNAME = Options\n"
      "[GRADIENTRECT.START]\nSTART_COLOR = 0,128,0\n"
      "[GRADIENTRECT.BOTH]\nSTART_COLOR = 0,128,0\nEND_COLOR = 0,0,0\n");
  struct Case {
    const char* section;
    int kind;
    POINT position;
    SIZE size;
    std::uint32_t line_width;
    COLORREF colour;
    const char* caption;
    bool has_back_colour;
    COLORREF back_colour;
    COLORREF start_colour;
    COLORREF end_colour;
  };
  const Case cases[] = {
      {"LINE.EMPTY", 4, {0, 0}, {0, 0}, 1, 0, "", false, 0, 0xFF0000, 0xFFFFFF},
      {"LINE.FULL", 4, {10, 20}, {300, 0}, 3, 0x030201, "", false, 0, 0xFF0000, 0xFFFFFF},
      {"RECTANGLE.1", 5, {0, 0}, {0, 0}, 1, 0x0000FF, "", false, 0, 0xFF0000, 0xFFFFFF},
      {"GROUP_BOX.BARE", 7, {5, 6}, {0, 0}, 1, 0, "", false, 0, 0xFF0000, 0xFFFFFF},
      {"GROUP_BOX.NAMED", 7, {0, 0}, {0, 0}, 1, 0, "Options", true, 0x1E140A, 0xFF0000, 0xFFFFFF},
      {"GROUP_BOX.PLAIN", 7, {0, 0}, {0, 0}, 1, 0, "Options", false, 0, 0xFF0000, 0xFFFFFF},
      {"GRADIENTRECT.START", 8, {0, 0}, {0, 0}, 1, 0, "", false, 0, 0x008000, 0xFFFFFF},
      {"GRADIENTRECT.BOTH", 8, {0, 0}, {0, 0}, 1, 0, "", false, 0, 0x008000, 0x000000},
      {"EDGE.MISSING", 6, {0, 0}, {0, 0}, 1, 0, "", false, 0, 0xFF0000, 0xFFFFFF},
  };
  for (const Case& c : cases) {
    SHAPE_INFO shape;
    ASSERT_TRUE(pages::ReadShapeInfo(profile_, c.section, c.kind, shape)) << c.section;
    EXPECT_EQ(shape.kind, c.kind) << c.section;
    EXPECT_EQ(shape.position.x, c.position.x) << c.section;
    EXPECT_EQ(shape.position.y, c.position.y) << c.section;
    EXPECT_EQ(shape.size.cx, c.size.cx) << c.section;
    EXPECT_EQ(shape.size.cy, c.size.cy) << c.section;
    EXPECT_EQ(shape.line_width, c.line_width) << c.section;
    EXPECT_EQ(shape.colour, c.colour) << c.section;
    EXPECT_EQ(shape.caption, c.caption) << c.section;
    EXPECT_EQ(shape.has_back_colour, c.has_back_colour) << c.section;
    EXPECT_EQ(shape.back_colour, c.back_colour) << c.section;
    EXPECT_EQ(shape.start_colour, c.start_colour) << c.section;
    EXPECT_EQ(shape.end_colour, c.end_colour) << c.section;
  }
}

TEST_F(ShapeInfoTest, ALongCaptionIsCutToItsField) {
  Create("[GROUP_BOX.LONG]\nNAME = " + std::string(400, 'c') + "\n");
  SHAPE_INFO shape;
  ASSERT_TRUE(pages::ReadShapeInfo(profile_, "GROUP_BOX.LONG", pages::kShapeGroupBox, shape));
  EXPECT_EQ(shape.caption, std::string(pages::kShapeCaptionSize - 1, 'c'));
}

TEST_F(ShapeInfoTest, OnlyTheFiveShapeKindsAreRead) {
  Create("[LINE.1]\nCOLOR = 1,2,3\n");
  for (const int kind : {0, 3, 9}) {
    SHAPE_INFO shape;
    shape.colour = 7;
    EXPECT_FALSE(pages::ReadShapeInfo(profile_, "LINE.1", kind, shape)) << kind;
    EXPECT_EQ(shape.colour, 7u) << kind;
  }
}

}  // namespace
