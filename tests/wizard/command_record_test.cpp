#include "wizard/command_record.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "medium_machine.h"
#include "profile/my_profile.h"
#include "wizard/command_types.h"
#include "wizard/dialog_target.h"

namespace {

using wizard::CommandRecord;

TEST(CommandLineTest, SplitsTypeAndUpToThreeTrimmedParameters) {
  struct Case {
    const char* line;
    const char* type;
    const char* p1;
    const char* p2;
    const char* p3;
  };
  const Case cases[] = {
      {"CT_EXE_FILE_WAIT = .\\Setup\\x.exe, /s", "CT_EXE_FILE_WAIT", ".\\Setup\\x.exe", "/s", ""},
      {"CT_OPEN_DLG", "CT_OPEN_DLG", "", "", ""},
      {" \tct_open_dlg\t ", "ct_open_dlg", "", "", ""},
      {"CT_X=", "CT_X", "", "", ""},
      {"CT_X = a,b,c,d,e", "CT_X", "a", "b", "c"},
      {"CT_X = a,,b", "CT_X", "a", "b", ""},
      {"CT_X =,,a", "CT_X", "a", "", ""},
      {"CT_X = ,,a", "CT_X", "", "a", ""},
      {"CT_X = a, ,b", "CT_X", "a", "", "b"},
      {"CT_X = \t a \t , \"q\" ", "CT_X", "a", "\"q\"", ""},
      {"CT_X = My Printer, Model 2", "CT_X", "My Printer", "Model 2", ""},
      {"CT_X = a=b, c", "CT_X", "a=b", "c", ""},
      {"= a", "", "a", "", ""},
      {"", "", "", "", ""},
  };
  for (const Case& c : cases) {
    const CommandRecord record = wizard::ParseCommandLine(c.line);
    EXPECT_EQ(record.type, c.type) << c.line;
    EXPECT_EQ(record.Parameter(1), c.p1) << c.line;
    EXPECT_EQ(record.Parameter(2), c.p2) << c.line;
    EXPECT_EQ(record.Parameter(3), c.p3) << c.line;
    EXPECT_EQ(record.Parameter(4), "") << c.line;
    EXPECT_EQ(record.Parameter(5), "") << c.line;
  }
}

TEST(CommandRecordTest, FieldsAreCutToTheirSizeAtCharacterBoundaries) {
  inktest::TempMachine temp([](platform::MachineConfig& config) { config.code_page = 932; });
  const std::string fits(wizard::kCommandFieldSize - 1, 'a');
  // A double-byte character whose second byte would be the field's last.
  const std::string split = std::string(wizard::kCommandFieldSize - 2, 'a') + "\x82\xA0" + "tail";
  const CommandRecord record = wizard::MakeCommandRecord(fits + "x", {fits, split, "p3", "p4", "p5", "p6"});
  EXPECT_EQ(record.type, fits);
  EXPECT_EQ(record.Parameter(1), fits);
  EXPECT_EQ(record.Parameter(2), std::string(wizard::kCommandFieldSize - 2, 'a'));
  EXPECT_EQ(record.Parameter(5), "p5");
  EXPECT_EQ(wizard::ParseCommandLine("CT_X = " + fits + "yz").Parameter(1), fits);
}

TEST(CommandRecordTest, ReadFromASectionWithExpansion) {
  inktest::MediumMachine medium;
  medium.Write("data/start.ovi",
               "[STRINGS]\n%PAGE% = NORMAL.WELCOME\n"
               "[START]\nCMD_TYPE = CT_OPEN_DLG\nCMD_PARAM1 = %PAGE%\nCMD_PARAM3 = three\nCMD_PARAM4 = four\n"
               "[NO_TYPE]\nCMD_PARAM1 = x\n");
  CMyProfile profile;
  ASSERT_TRUE(profile.Create("C:\\Medium\\data\\start.ovi", "C:\\Medium\\data\\start.ovi", "", false));
  CommandRecord record;
  ASSERT_TRUE(wizard::ReadCommandRecord(profile, "START", 3, record));
  EXPECT_EQ(record.type, "CT_OPEN_DLG");
  EXPECT_EQ(record.Parameter(1), "NORMAL.WELCOME");
  EXPECT_EQ(record.Parameter(2), "");
  EXPECT_EQ(record.Parameter(3), "three");
  EXPECT_EQ(record.Parameter(4), "") << "only three parameters were asked for";
  ASSERT_TRUE(wizard::ReadCommandRecord(profile, "START", 5, record));
  EXPECT_EQ(record.Parameter(4), "four");
  EXPECT_FALSE(wizard::ReadCommandRecord(profile, "NO_TYPE", 5, record));
  EXPECT_EQ(record.Parameter(1), "");
}

TEST(CommandTypeTest, NamesCompareWithoutCaseAndUnknownNamesAreNone) {
  struct Case {
    const char* name;
    std::optional<wizard::CommandType> type;
  };
  const Case cases[] = {
      {"CT_OPEN_DLG", wizard::CommandType::kOpenDialog},
      {"ct_open_dlg", wizard::CommandType::kOpenDialog},
      {"Ct_ExE_FiLe_WaIt", wizard::CommandType::kExeWait},
      {"CT_VIEW_LICESNE", wizard::CommandType::kViewLicense},
      {"CT_VIEW_LICENSE", std::nullopt},
      {"CT_FOO", std::nullopt},
      {"CT_OPEN_DLG ", std::nullopt},
      {"CT_RUNDLL_AND", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(wizard::FindCommandType(c.name), c.type) << c.name;
  for (std::size_t index = 0; index < wizard::kCommandTypeCount; ++index) {
    const auto type = static_cast<wizard::CommandType>(index);
    EXPECT_EQ(wizard::FindCommandType(wizard::CommandTypeName(type)), type) << wizard::CommandTypeName(type);
  }
}

TEST(DialogTargetTest, SectionAndArgumentAroundTheFirstDash) {
  struct Case {
    const char* text;
    const char* section;
    const char* argument;
  };
  const Case cases[] = {
      {"NORMAL.WELCOME - 2", "NORMAL.WELCOME", "2"},
      {"NORMAL.WELCOME", "NORMAL.WELCOME", ""},
      {" \t\"NORMAL.WELCOME\" \t-\t 2 - 3 ", "NORMAL.WELCOME", "2 - 3"},
      {"\"QUOTED\"", "\"QUOTED\"", ""},
      {"PAGE-", "PAGE", ""},
      {"-arg", "", "arg"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    const wizard::DialogTarget target = wizard::SplitDialogTarget(c.text);
    EXPECT_EQ(target.section, c.section) << c.text;
    EXPECT_EQ(target.argument, c.argument) << c.text;
  }
}

}  // namespace
