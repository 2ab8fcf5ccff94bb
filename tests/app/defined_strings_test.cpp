#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "app/defined_strings.h"
#include "app/global_variable.h"
#include "medium_machine.h"

namespace {

using app::DefinedString;

const char* const kTokens[] = {
    "$LANG_ABBR$",   "$ORG_LANG_ABBR$", "$SRC_DIR$",          "$DEST_DIR$",     "$DEST_INST_DIR$",
    "$WIN_DIR$",     "$SYS_DIR$",       "$INF_DIR$",          "$OS_DIR$",       "$PROGRAM_FILES_DIR$",
    "$LANG_DIR$",    "$ORG_LANG_DIR$",  "$DATA_FILE$",        "$CONFIG_FILE$",  "$STRING_FILE$",
    "$VERSION$",     "$INSTALLER_EXE$", "$IP$",               "$STRING_FILE_NAME$", "$PORT$",
    "$LCID$",        "$ORG_LCID$",      "$BOOL_INSTALLED$",   "$BOOL_!INSTALLED$",
};

TEST(DefinedStringsTest, EachTokenIsReplacedByItsOwnValue) {
  std::string text;
  std::string expected;
  for (std::size_t i = 0; i < std::size(kTokens); ++i) {
    text += std::string(kTokens[i]) + "|";
    expected += "<" + std::to_string(i) + ">|";
  }
  const auto value = [](DefinedString which) { return "<" + std::to_string(static_cast<int>(which)) + ">"; };
  EXPECT_EQ(app::ExpandDefinedStrings(text, value), expected);
}

TEST(DefinedStringsTest, LaterTokensApplyInsideEarlierValuesButNotTheOtherWay) {
  const std::map<DefinedString, std::string> values = {
      {DefinedString::kDestinationDirectory, "C:\\$PORT$\\$SRC_DIR$"},
      {DefinedString::kSourceDirectory, "D:"},
      {DefinedString::kPort, "LPT1:$DEST_DIR$"},
      {DefinedString::kIp, "$IP$"},
  };
  int asked = 0;
  const auto value = [&](DefinedString which) {
    ++asked;
    return values.at(which);
  };
  struct Case {
    const char* text;
    const char* expanded;
  };
  const Case cases[] = {
      {"$DEST_DIR$\\Bin", "C:\\LPT1:$DEST_DIR$\\$SRC_DIR$\\Bin"},
      {"$SRC_DIR$ and $DEST_DIR$", "D: and C:\\LPT1:$DEST_DIR$\\$SRC_DIR$"},
      {"$IP$$IP$", "$IP$$IP$"},
      {"$dest_dir$ $DEST_DIR $ 5$", "$dest_dir$ $DEST_DIR $ 5$"},
      {"$UNKNOWN$", "$UNKNOWN$"},
      {"no tokens", "no tokens"},
  };
  for (const Case& c : cases) EXPECT_EQ(app::ExpandDefinedStrings(c.text, value), c.expanded) << c.text;
  EXPECT_EQ(asked, 6);  // only for tokens that occur: DEST+PORT, SRC+DEST+PORT, IP
}

// The defined strings of a run environment built on a test medium.
class EnvironmentStringsTest : public ::testing::Test {
 protected:
  void Build(const std::string& extra = {}) {
    medium_.WriteMedium(std::string(inktest::kProgramInfo) +
                        "[VERSION]\nVERSION = 2.5\n"
                        "[OS_DEFINE]\n0X00020A00.64 = W10_64\n[OS_DIR]\nW10_64 = Win64\n"
                        "[PROGRAM_LANG_INFO]\n0x0009\n0x0412\n[LANGUAGE_DIR]\n0X0412 = Korean\n" +
                        extra);
    medium_.Write("data/String/Lang_KR.str", "[MESSAGES]\n");
    ASSERT_TRUE(environment_.Init());
  }
  std::string Expand(const std::string& text, std::uint32_t lcid = 0, const char* abbreviation = "",
                     const char* directory = "") {
    return environment_.ExpandDefinedStrings(text, lcid, abbreviation, directory);
  }

  inktest::MediumMachine medium_{[](platform::MachineConfig& config) { config.ui_language = 0x0412; }};
  CGlobalVariable environment_;
};

TEST_F(EnvironmentStringsTest, TokensTakeTheRunEnvironmentsValues) {
  Build();
  environment_.InstallEnv().SetIP("10.0.0.7");
  const std::string destination = "C:\\Program Files (x86)\\Maker\\Product";
  struct Case {
    const char* text;
    std::string expanded;
  };
  const Case cases[] = {
      {"$LANG_ABBR$", "KR"},
      {"$ORG_LANG_ABBR$", "KR"},
      {"$SRC_DIR$", "C:\\Medium"},
      {"$DEST_DIR$\\Bin", destination + "\\Bin"},
      {"$DEST_INST_DIR$", destination + "\\Install"},
      {"$WIN_DIR$|$SYS_DIR$|$INF_DIR$", "C:\\Windows|C:\\Windows\\System32|C:\\Windows\\Inf"},
      {"$OS_DIR$", "Win64"},
      {"$PROGRAM_FILES_DIR$", "C:\\Program Files (x86)"},
      {"$LANG_DIR$|$ORG_LANG_DIR$", "Korean|Korean"},
      {"$DATA_FILE$", "C:\\Medium\\setup.dat"},
      {"$CONFIG_FILE$", "C:\\Medium\\data\\ovinst.ovi"},
      {"$STRING_FILE$|$STRING_FILE_NAME$", "C:\\Medium\\data\\String\\Lang_KR.str|Lang_KR.str"},
      {"$VERSION$|$INSTALLER_EXE$", "2.5|setup.exe"},
      {"$IP$|$PORT$", "10.0.0.7|LPT1:"},
      {"$LCID$|$ORG_LCID$", "0412|0412"},
      {"$BOOL_INSTALLED$|$BOOL_!INSTALLED$", "0|1"},
  };
  for (const Case& c : cases) EXPECT_EQ(Expand(c.text), c.expanded) << c.text;

  environment_.InstallEnv().SetInstalledBefore(true);
  EXPECT_EQ(Expand("$BOOL_INSTALLED$|$BOOL_!INSTALLED$"), "1|0");
}

TEST_F(EnvironmentStringsTest, TheThreeOverridesStandForTheCurrentLanguageOnce) {
  Build();
  struct Case {
    std::uint32_t lcid;
    const char* abbreviation;
    const char* directory;
    const char* expanded;
  };
  const Case cases[] = {
      {0, "", "", "Lang_KR.txt|0412|Korean|0412|KR|Korean"},
      {9, "", "", "Lang_KR.txt|0009|Korean|0412|KR|Korean"},
      {0, "JP", "", "Lang_JP.txt|0412|Korean|0412|KR|Korean"},
      {0, "", "Japanese", "Lang_KR.txt|0412|Japanese|0412|KR|Korean"},
      {0x0411, "JP", "Japanese", "Lang_JP.txt|0411|Japanese|0412|KR|Korean"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Expand("Lang_$LANG_ABBR$.txt|$LCID$|$LANG_DIR$|$ORG_LCID$|$ORG_LANG_ABBR$|$ORG_LANG_DIR$", c.lcid,
                     c.abbreviation, c.directory),
              c.expanded)
        << c.lcid << " " << c.abbreviation << " " << c.directory;
  }
  EXPECT_EQ(environment_.Language().CurrentAbbreviation(), "KR");
}

TEST_F(EnvironmentStringsTest, ProfileTextsAreExpandedUnlessInstallingRemotely) {
  Build("[TEXTS]\nPATH = $DEST_DIR$\\Manual_$LANG_ABBR$.pdf\n");
  const CMyProfile& data = environment_.Profiles().Data();
  std::string text;
  ASSERT_TRUE(data.GetString("TEXTS", "PATH", text));
  EXPECT_EQ(text, "C:\\Program Files (x86)\\Maker\\Product\\Manual_KR.pdf");
  environment_.Options().SetRemoteInstall(true);
  ASSERT_TRUE(data.GetString("TEXTS", "PATH", text));
  EXPECT_EQ(text, "$DEST_DIR$\\Manual_$LANG_ABBR$.pdf");
}

}  // namespace
