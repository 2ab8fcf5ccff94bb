#include <gtest/gtest.h>

#include <string>

#include "app/global_variable.h"
#include "medium_machine.h"
#include "pages/object_info.h"

namespace {

// A run environment over a medium in C:\Medium whose configure profile the
// test gives, with `data_extra` in its data file, on a 64-bit or a 32-bit
// system. The string file has the message TITLE.
class ObjectMedium {
 public:
  explicit ObjectMedium(const std::string& configure, const std::string& data_extra = "", bool is_64bit = true)
      : medium([is_64bit](platform::MachineConfig& config) { config.is_64bit = is_64bit; }) {
    medium.WriteMedium(std::string(inktest::kProgramInfo) + data_extra, "TITLE = Welcome\n");
    medium.Write("data/ovinst.ovi", configure);
    EXPECT_TRUE(environment.Init());
  }

  bool Read(const char* section, OBJECT_INFO& info) { return pages::ReadObjectInfo(environment, section, info); }

  inktest::MediumMachine medium;
  CGlobalVariable environment;
};

TEST(ObjectInfoTest, EveryKeyGoesToItsField) {
  ObjectMedium medium(
      "[BUTTON.ALL]\n"
      "NAME = @TITLE@\nPOSITION = 10,20\nSIZE = 30,40\n"
      "CMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = p1\nCMD_PARAM2 = p2\nCMD_PARAM3 = p3\nCMD_PARAM4 = p4\nCMD_PARAM5 = p5\n"
      "tooltip = tip\nSCRIPT = script\n"
      "COLOR = 1,0,0\nHI_COLOR = 2,0,0\nDIS_COLOR = 3,0,0\nTRANS_COLOR = 4,0,0\nBACK_COLOR = 5,0,0\n"
      "USE_BITMAP_ICON = 1\nON_BITMAP = on\nOFF_BITMAP = off\nCLICKED_BITMAP = clicked\n"
      "ENABLE = 0\nSHOW = 0\nUNSUPPORTED_OS = W98\nDATA_SECTION = LANGS\nAVI_FILE = a.avi\n"
      "DEFAULT_BUTTON = 2\nTEXT_FILE = $SRC_DIR$\\t.txt\nTEXT_ALIGN_CENTER = 0x1\n"
      "JUNK\nOTHER = 1\n"
      "[BUTTON.EMPTY]\n");
  OBJECT_INFO info;
  ASSERT_TRUE(medium.Read("BUTTON.ALL", info));
  EXPECT_EQ(info.name, "BUTTON.ALL");
  EXPECT_EQ(info.text, "Welcome");
  EXPECT_EQ(info.position.x, 10);
  EXPECT_EQ(info.position.y, 20);
  EXPECT_EQ(info.size.cx, 30);
  EXPECT_EQ(info.size.cy, 40);
  EXPECT_EQ(info.command.type, "CT_OPEN_DLG");
  for (std::size_t number = 1; number <= wizard::kCommandParameterCount; ++number) {
    EXPECT_EQ(info.command.Parameter(number), "p" + std::to_string(number));
  }
  EXPECT_EQ(info.tooltip, "tip");
  EXPECT_EQ(info.script, "script");
  EXPECT_TRUE(info.has_colours);
  EXPECT_TRUE(info.has_transparent_colour);
  EXPECT_TRUE(info.has_back_colour);
  EXPECT_EQ(info.colour, 1u);
  EXPECT_EQ(info.hover_colour, 2u);
  EXPECT_EQ(info.disabled_colour, 3u);
  EXPECT_EQ(info.transparent_colour, 4u);
  EXPECT_EQ(info.back_colour, 5u);
  EXPECT_TRUE(info.use_bitmap_icon);
  EXPECT_EQ(info.on_bitmap, "on");
  EXPECT_EQ(info.off_bitmap, "off");
  EXPECT_EQ(info.clicked_bitmap, "clicked");
  EXPECT_FALSE(info.has_font);
  EXPECT_FALSE(info.enabled);
  EXPECT_FALSE(info.visible);
  EXPECT_EQ(info.unsupported_os, "W98");
  EXPECT_EQ(info.data_section, "LANGS");
  EXPECT_EQ(info.animation_file, "a.avi");
  EXPECT_TRUE(info.default_button);
  EXPECT_EQ(info.text_file, "C:\\Medium\\t.txt");
  EXPECT_TRUE(info.centre_text);

  // A section without lines is an object of default values.
  ASSERT_TRUE(medium.Read("BUTTON.EMPTY", info));
  EXPECT_EQ(info.name, "BUTTON.EMPTY");
  EXPECT_EQ(info.text, "");
  EXPECT_EQ(info.command.type, "");
  EXPECT_FALSE(info.has_colours || info.has_transparent_colour || info.has_back_colour || info.has_font);
  EXPECT_EQ(info.transparent_colour, 0xC6C3C6u);
  EXPECT_EQ(info.back_colour, pages::kButtonFaceColour);
  EXPECT_TRUE(info.enabled);
  EXPECT_TRUE(info.visible);
  EXPECT_FALSE(info.default_button);
}

TEST(ObjectInfoTest, AnObjectWithoutSectionIsLeftOut) {
  ObjectMedium medium("[BUTTON.OK]\nNAME = OK\n");
  OBJECT_INFO info;
  EXPECT_FALSE(medium.Read("BUTTON.MISSING", info));
  EXPECT_FALSE(medium.Read("", info));
  EXPECT_FALSE(pages::ReadObjectFromSection(medium.environment, "BUTTON.MISSING", info));
  EXPECT_FALSE(pages::ReadObjectFromSection(medium.environment, "", info));
}

TEST(ObjectInfoTest, TheSectionsOwnKeysOverrideItsBase) {
  ObjectMedium medium(
      "[BUTTON.ROOT]\nTOOLTIP = root tip\nSCRIPT = root script\n"
      "[BUTTON.BASE]\nBASE_ON = BUTTON.ROOT\nNAME = Base\nPOSITION = 1,2\nSIZE = 3,4\nCOLOR = 9,9,9\n"
      "SCRIPT = base script\nCMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = NORMAL.BASE\nCMD_PARAM2 = other\n"
      "[BUTTON.OK]\nNAME = OK\nBASE_ON = BUTTON.BASE\nCMD_PARAM1 = NORMAL.OK\nSIZE = 50,60\n"
      "[BUTTON.ORPHAN]\nBASE_ON = BUTTON.NONE\nNAME = Orphan\n");
  OBJECT_INFO info;
  ASSERT_TRUE(medium.Read("BUTTON.OK", info));
  EXPECT_EQ(info.name, "BUTTON.OK");
  EXPECT_EQ(info.text, "OK");
  EXPECT_EQ(info.position.x, 1);
  EXPECT_EQ(info.position.y, 2);
  EXPECT_EQ(info.size.cx, 50);
  EXPECT_EQ(info.size.cy, 60);
  EXPECT_TRUE(info.has_colours);
  EXPECT_EQ(info.colour, 0x090909u);
  EXPECT_EQ(info.tooltip, "root tip");
  EXPECT_EQ(info.script, "base script");
  EXPECT_EQ(info.command.type, "CT_OPEN_DLG");
  EXPECT_EQ(info.command.Parameter(1), "NORMAL.OK");
  EXPECT_EQ(info.command.Parameter(2), "other");

  // A base that does not exist gives nothing.
  ASSERT_TRUE(medium.Read("BUTTON.ORPHAN", info));
  EXPECT_EQ(info.name, "BUTTON.ORPHAN");
  EXPECT_EQ(info.text, "Orphan");
}

TEST(ObjectInfoTest, ABaseOnChainStopsAtASectionItHasRead) {
  ObjectMedium medium(
      "[LINK.A]\nBASE_ON = LINK.B\nNAME = a\n"
      "[LINK.B]\nBASE_ON = link.a\nNAME = b\nTOOLTIP = from b\n"
      "[LINK.SELF]\nBASE_ON = LINK.SELF\nNAME = self\n"
      "[LINK.C]\nBASE_ON = LINK.D\nSCRIPT = c\n"
      "[LINK.D]\nBASE_ON = LINK.E\nTOOLTIP = d\n"
      "[LINK.E]\nBASE_ON = LINK.D\nTOOLTIP = e\nON_BITMAP = e\n");
  struct Case {
    const char* section;
    const char* text;
    const char* tooltip;
    const char* script;
    const char* on_bitmap;
  };
  const Case cases[] = {
      {"LINK.A", "a", "from b", "", ""},
      {"LINK.B", "b", "from b", "", ""},
      {"LINK.SELF", "self", "", "", ""},
      {"LINK.C", "", "d", "c", "e"},
  };
  for (const Case& c : cases) {
    OBJECT_INFO info;
    ASSERT_TRUE(medium.Read(c.section, info)) << c.section;
    EXPECT_EQ(info.name, c.section);
    EXPECT_EQ(info.text, c.text) << c.section;
    EXPECT_EQ(info.tooltip, c.tooltip) << c.section;
    EXPECT_EQ(info.script, c.script) << c.section;
    EXPECT_EQ(info.on_bitmap, c.on_bitmap) << c.section;
  }
}

TEST(ObjectInfoTest, ABaseOnChainIsReadToItsDepthLimit) {
  // LINK.0 is built on LINK.1, which is built on LINK.2, and so on.
  std::string configure;
  for (int i = 0; i <= pages::kMaxBaseOnDepth + 1; ++i) {
    configure += "[LINK." + std::to_string(i) + "]\nBASE_ON = LINK." + std::to_string(i + 1) + "\n";
  }
  configure += "[LINK." + std::to_string(pages::kMaxBaseOnDepth) + "]\nTOOLTIP = deepest read\n";
  configure += "[LINK." + std::to_string(pages::kMaxBaseOnDepth + 1) + "]\nSCRIPT = too deep\n";
  ObjectMedium medium(configure);
  OBJECT_INFO info;
  ASSERT_TRUE(medium.Read("LINK.0", info));
  EXPECT_EQ(info.name, "LINK.0");
  EXPECT_EQ(info.tooltip, "deepest read");
  EXPECT_EQ(info.script, "");
}

TEST(ObjectInfoTest, TheMostSpecificVariantIsReadAndNamesTheObject) {
  const std::string configure =
      "[BUTTON.OK]\nNAME = plain\n[BUTTON.OK.NETWORK]\nNAME = network\n[BUTTON.BASE]\nNAME = base\n"
      "[BUTTON.BASE.NETWORK]\nNAME = network base\n[BUTTON.ON]\nBASE_ON = BUTTON.BASE\n";
  struct Case {
    const char* options;
    const char* section;
    const char* name;
    const char* text;
  };
  const Case cases[] = {
      {"[OPTION]\nNETWORK = 1\n", "BUTTON.OK", "BUTTON.OK.NETWORK", "network"},
      {"[OPTION]\nNETWORK = 1\n", "button.ok", "BUTTON.OK.NETWORK", "network"},
      {"[OPTION]\nNETWORK = 0\n", "BUTTON.OK", "BUTTON.OK", "plain"},
      // A base section is read as named, without variants.
      {"[OPTION]\nNETWORK = 1\n", "BUTTON.ON", "BUTTON.ON", "base"},
  };
  for (const Case& c : cases) {
    ObjectMedium medium(configure, c.options);
    OBJECT_INFO info;
    ASSERT_TRUE(medium.Read(c.section, info)) << c.section;
    EXPECT_EQ(info.name, c.name) << c.options << c.section;
    EXPECT_EQ(info.text, c.text) << c.options << c.section;
  }

  // The fixed controls read their object section as named.
  ObjectMedium medium(configure, "[OPTION]\nNETWORK = 1\n");
  OBJECT_INFO info;
  ASSERT_TRUE(pages::ReadObjectFromSection(medium.environment, "BUTTON.OK", info));
  EXPECT_EQ(info.name, "BUTTON.OK");
  EXPECT_EQ(info.text, "plain");
}

TEST(ObjectInfoTest, AnObjectWhoseProgramIsMissingIsLeftOut) {
  struct Case {
    const char* lines;
    bool read;
  };
  const Case cases[] = {
      {"CMD_TYPE = CT_EXE_FILE_WAIT\nCMD_PARAM1 = .\\tools\\missing.exe\n", false},
      {"CMD_TYPE = CT_EXE_FILE_WAIT\nCMD_PARAM1 = .\\tools\\run.exe\n", true},
      {"CMD_TYPE = ct_exe_file_nowait\nCMD_PARAM1 = missing.exe\n", false},
      {"CMD_TYPE = CT_EXE_FILE_ACTIVE\nCMD_PARAM1 = missing.exe\n", false},
      {"CMD_TYPE = CT_EXE_AND_TERMINATE\nCMD_PARAM1 = missing.exe\n", false},
      {"CMD_TYPE = CT_RUNDLL\nCMD_PARAM1 = missing.dll\n", false},
      {"CMD_TYPE = CT_RUNDLL_AND_TERMINATE\nCMD_PARAM1 = missing.dll\n", false},
      {"CMD_TYPE = CT_OPEN_FILE_NOWAIT\nCMD_PARAM1 = missing.pdf\n", false},
      {"CMD_TYPE = CT_OPEN_FILE_WAIT\nCMD_PARAM1 = missing.pdf\n", false},
      {"CMD_TYPE = CT_OPEN_MANUAL\nCMD_PARAM1 = missing.pdf\n", false},
      {"CMD_TYPE = CT_OPEN_MANUAL\nCMD_PARAM1 = $SRC_DIR$\\tools\\run.exe\n", true},
      {"CMD_TYPE = CT_OPEN_URL\nCMD_PARAM1 = missing.htm\n", true},
      {"CMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = NORMAL.MISSING\n", true},
      {"CMD_TYPE = CT_EXE_FILE_WAIT\n", true},
      {"CMD_PARAM1 = missing.exe\n", true},
      // The command as the section and its base make it up is checked.
      {"BASE_ON = BUTTON.BASE\nCMD_PARAM1 = .\\tools\\run.exe\n", true},
      {"BASE_ON = BUTTON.BASE\n", false},
  };
  for (const Case& c : cases) {
    ObjectMedium medium(std::string("[BUTTON.RUN]\n") + c.lines +
                        "[BUTTON.BASE]\nCMD_TYPE = CT_EXE_FILE_WAIT\nCMD_PARAM1 = missing.exe\n");
    medium.medium.Write("tools/run.exe", "program");
    OBJECT_INFO info;
    EXPECT_EQ(medium.Read("BUTTON.RUN", info), c.read) << c.lines;
  }
}

TEST(ObjectInfoTest, ParametersFor64BitSystemsCountOnlyThere) {
  struct Case {
    bool is_64bit;
    const char* lines;
    const char* parameter1;
    const char* parameter5;
  };
  const Case cases[] = {
      {true, "CMD_PARAM1 = a.exe\nCMD_PARAM1.64 = b.exe\n", "b.exe", ""},
      {true, "CMD_PARAM1.64 = b.exe\nCMD_PARAM1 = a.exe\n", "a.exe", ""},
      {true, "CMD_PARAM1 = a.exe\nCMD_PARAM1.64 = b.exe\nCMD_PARAM1 = c.exe\n", "a.exe", ""},
      {true, "cmd_param5.64 = five\n", "", "five"},
      {false, "CMD_PARAM1 = a.exe\nCMD_PARAM1.64 = b.exe\n", "a.exe", ""},
      {false, "CMD_PARAM1.64 = b.exe\nCMD_PARAM1 = a.exe\n", "a.exe", ""},
      {false, "CMD_PARAM5.64 = five\n", "", ""},
  };
  for (const Case& c : cases) {
    ObjectMedium medium(std::string("[LINK.RUN]\nCMD_TYPE = CT_OPEN_URL\n") + c.lines, "", c.is_64bit);
    ASSERT_EQ(medium.environment.SystemDirs().Is64Bit(), c.is_64bit);
    OBJECT_INFO info;
    ASSERT_TRUE(medium.Read("LINK.RUN", info)) << c.lines;
    EXPECT_EQ(info.command.Parameter(1), c.parameter1) << c.is_64bit << " " << c.lines;
    EXPECT_EQ(info.command.Parameter(5), c.parameter5) << c.is_64bit << " " << c.lines;
  }
}

TEST(ObjectInfoTest, TheFontSectionFillsAZeroFont) {
  ObjectMedium medium(
      "[STATIC.BIG]\nFONT = FONT.BIG\n[STATIC.LIGHT]\nFONT = FONT.LIGHT\n[STATIC.LONG]\nFONT = FONT.LONG\n"
      "[STATIC.MISSING]\nFONT = FONT.MISSING\n[STATIC.INHERITED]\nBASE_ON = STATIC.BIG\n"
      "[STATIC.REPLACED]\nBASE_ON = STATIC.BIG\nFONT = FONT.LIGHT\n"
      "[FONT.BIG]\nLF_FACENAME = Arial\nLF_HEIGHT = 14\nLF_WIDTH = 6\nLF_BOLD = 1\nLF_ITALIC = 2\nLF_UNDERLINE = 1\n"
      "[FONT.LIGHT]\nLF_FACENAME = Tahoma\nLF_BOLD = 0\nLF_ITALIC = 0\n"
      "[FONT.LONG]\nLF_FACENAME = " +
      std::string(40, 'f') + "\n");
  struct Case {
    const char* section;
    const char* face_name;
    std::int32_t height;
    std::int32_t width;
    std::int32_t weight;
    bool italic;
    bool underline;
  };
  const std::string long_face(pages::kFaceNameSize - 1, 'f');
  const Case cases[] = {
      {"STATIC.BIG", "Arial", 14, 6, 700, true, true},
      {"STATIC.LIGHT", "Tahoma", 0, 0, 0, false, false},
      {"STATIC.LONG", long_face.c_str(), 0, 0, 0, false, false},
      {"STATIC.MISSING", "", 0, 0, 0, false, false},
      {"STATIC.INHERITED", "Arial", 14, 6, 700, true, true},
      {"STATIC.REPLACED", "Tahoma", 0, 0, 0, false, false},
  };
  for (const Case& c : cases) {
    OBJECT_INFO info;
    ASSERT_TRUE(medium.Read(c.section, info)) << c.section;
    EXPECT_TRUE(info.has_font) << c.section;
    EXPECT_EQ(info.font.face_name, c.face_name) << c.section;
    EXPECT_EQ(info.font.height, c.height) << c.section;
    EXPECT_EQ(info.font.width, c.width) << c.section;
    EXPECT_EQ(info.font.weight, c.weight) << c.section;
    EXPECT_EQ(info.font.italic, c.italic) << c.section;
    EXPECT_EQ(info.font.underline, c.underline) << c.section;
  }
}

TEST(ObjectInfoTest, EachColourKeySetsTheFlagOfItsGroup) {
  ObjectMedium medium(
      "[LINK.COLOR]\nCOLOR = 0,0,255\n[LINK.HI]\nHI_COLOR = 255,0,0\n[LINK.DIS]\nDIS_COLOR = 1,1,1\n"
      "[LINK.TRANS]\nTRANS_COLOR = 0,255,0\n[LINK.BACK]\nBACK_COLOR = 1,2,3\n[LINK.BAD]\nCOLOR = 1,2\n"
      "[LINK.NONE]\nNAME = x\n");
  struct Case {
    const char* section;
    bool has_colours;
    bool has_transparent_colour;
    bool has_back_colour;
    COLORREF colour;
    COLORREF hover_colour;
    COLORREF disabled_colour;
  };
  const Case cases[] = {
      {"LINK.COLOR", true, false, false, 0xFF0000, 0, 0},
      {"LINK.HI", true, false, false, 0, 0x0000FF, 0},
      {"LINK.DIS", true, false, false, 0, 0, 0x010101},
      {"LINK.TRANS", false, true, false, 0, 0, 0},
      {"LINK.BACK", false, false, true, 0, 0, 0},
      {"LINK.BAD", false, false, false, 0, 0, 0},
      {"LINK.NONE", false, false, false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    OBJECT_INFO info;
    ASSERT_TRUE(medium.Read(c.section, info)) << c.section;
    EXPECT_EQ(info.has_colours, c.has_colours) << c.section;
    EXPECT_EQ(info.has_transparent_colour, c.has_transparent_colour) << c.section;
    EXPECT_EQ(info.has_back_colour, c.has_back_colour) << c.section;
    EXPECT_EQ(info.colour, c.colour) << c.section;
    EXPECT_EQ(info.hover_colour, c.hover_colour) << c.section;
    EXPECT_EQ(info.disabled_colour, c.disabled_colour) << c.section;
  }
}

TEST(ObjectInfoTest, AKeyWrittenTwiceAppliesItsFirstValue) {
  ObjectMedium medium(
      "[BUTTON.BASE]\nNAME = base\nSHOW = 0\n"
      "[BUTTON.TWICE]\nBASE_ON = BUTTON.BASE\nNAME = first\nSHOW = 1\nNAME = second\nSHOW = 0\n");
  OBJECT_INFO info;
  ASSERT_TRUE(medium.Read("BUTTON.TWICE", info));
  EXPECT_EQ(info.text, "first");
  EXPECT_TRUE(info.visible);
}

}  // namespace
