#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/global_variable.h"
#include "app/language.h"
#include "app/language_abbreviations.h"
#include "install/registry.h"
#include "medium_machine.h"

namespace {

TEST(LanguageAbbreviationTest, BuiltInAbbreviations) {
  struct Case {
    std::uint16_t lcid;
    const char* abbreviation;
  };
  const Case cases[] = {
      {0x0412, "KR"}, {0x0416, "BP"}, {0x0816, "PT"}, {0x0404, "CT"}, {0x0804, "CP"}, {0x0C04, "CP"},
      {0x0409, "EN"}, {0x0009, "EN"}, {0x0407, "GR"}, {0x040C, "FN"}, {0x0411, "JP"}, {0x0401, "AB"},
      {0x041F, "TK"}, {0x0421, "IN"}, {0x0436, "EN"}, {0x0000, "EN"},
  };
  for (const Case& c : cases) EXPECT_EQ(app::BuiltInAbbreviation(c.lcid), c.abbreviation) << std::hex << c.lcid;
}

// Language tables in a data file, read by a CLanguage of their own.
class LanguageTablesTest : public ::testing::Test {
 protected:
  // A language whose tables are `tables`, read afresh.
  CLanguage& Load(const std::string& tables) {
    medium_.Write("setup.dat", tables);
    data_ = std::make_unique<CMyProfile>();
    data_->Create("C:\\Medium\\setup.dat", "C:\\Medium\\setup.dat", {}, false);
    language_ = std::make_unique<CLanguage>();
    language_->Init(*data_);
    return *language_;
  }

  inktest::MediumMachine medium_;
  std::unique_ptr<CMyProfile> data_;
  std::unique_ptr<CLanguage> language_;
};

TEST_F(LanguageTablesTest, ResolvingToSupportedLanguages) {
  struct Case {
    const char* tables;
    std::uint16_t requested;
    std::uint16_t current;
    std::uint16_t org;
  };
  const char* korean_english = "[PROGRAM_LANG_INFO]\n0x0009\n0x0412 = Korean\n";
  const char* taiwan = "[PROGRAM_LANG_INFO]\n0x0404\n[COUNTRY_LANG_CODE]\n0X0C04 = 0x0404\n";
  const char* german_primary = "[PROGRAM_LANG_INFO]\n  7\t= German\n0x0409\n[COUNTRY_LANG_CODE]\n0X0007 = 0x0409\n";
  const Case cases[] = {
      {korean_english, 0x0409, 0x0009, 0x0009},  // the primary language's entry matches and becomes the id
      {korean_english, 0x0412, 0x0412, 0x0412},
      {korean_english, 0x0407, 0x0009, 0x0009},  // not supported: English
      {taiwan, 0x0C04, 0x0404, 0x0009},          // shown through the country mapping only
      {german_primary, 0x0807, 0x0409, 0x0007},  // mapped by primary language; listed by primary language
      {"", 0x0412, 0x0009, 0x0009},
  };
  for (const Case& c : cases) {
    CLanguage& language = Load(c.tables);
    const CLanguage::Resolution resolution = language.Resolve(c.requested);
    EXPECT_EQ(resolution.current, c.current) << c.tables << std::hex << c.requested;
    EXPECT_EQ(resolution.org, c.org) << c.tables << std::hex << c.requested;
    EXPECT_EQ(language.OrgLcid(), c.org);
  }
}

TEST_F(LanguageTablesTest, AbbreviationsAndDirectoriesFromTheTablesFirst) {
  CLanguage& language = Load(
      "[LANGUAGE_ABBR]\n0X0412 = KO\n0X0007 = DE\n0X0807 = CH\n"
      "[LANGUAGE_DIR]\n0X0009 = English\n0X0407 = Deutsch\n");
  struct Case {
    std::uint16_t lcid;
    const char* abbreviation;
    const char* directory;
  };
  const Case cases[] = {
      {0x0412, "KO", "KR"},              // no directory entry: the built-in abbreviation
      {0x0407, "DE", "Deutsch"},         // primary-language entry; whole-id directory entry
      {0x0807, "CH", "GR"},              // the whole id's entry wins over the primary language's
      {0x0409, "EN", "English"},         // built-in abbreviation; primary-language directory entry
      {0x0416, "BP", "BP"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(language.Abbreviation(c.lcid), c.abbreviation) << std::hex << c.lcid;
    EXPECT_EQ(language.LanguageDirectory(c.lcid), c.directory) << std::hex << c.lcid;
  }
}

// A run environment whose medium speaks English and German, on a machine
// whose system language the test chooses.
class LanguageTest : public ::testing::Test {
 protected:
  explicit LanguageTest(std::uint16_t system_language = 0x0409)
      : medium_([system_language](platform::MachineConfig& config) { config.ui_language = system_language; }) {}

  void WriteMedium(bool with_german_strings = true) {
    medium_.WriteMedium(std::string(inktest::kProgramInfo) +
                            "[PROGRAM_LANG_INFO]\n0x0009\n0x0007\n[COUNTRY_LANG_CODE]\n0X0C07 = 0x0407\n"
                            "[LANGUAGE_ABBR]\n0X0009 = EN\n0X0007 = GR\n[LANGUAGE_DIR]\n0X0007 = German\n"
                            "[TEXTS]\nHELLO = @HELLO@\n",
                        "HELLO = Hello\n");
    if (with_german_strings) medium_.Write("data/String/Lang_GR.str", "[MESSAGES]\nHELLO = Hallo\n");
  }
  std::string Hello() {
    std::string text;
    EXPECT_TRUE(environment_.Profiles().Data().GetString("TEXTS", "HELLO", text));
    return text;
  }
  std::string Installing(const char* name) const {
    char text[260] = {};
    EXPECT_EQ(CRegistry::GetValue("Software\\Maker\\Product\\Installing", name, text, platform::HKEY_LOCAL_MACHINE,
                                  sizeof text),
              0)
        << name;
    return text;
  }
  std::uint32_t InstallingLangCode() const {
    std::uint32_t code = 0;
    EXPECT_EQ(CRegistry::GetValue("Software\\Maker\\Product\\Installing", "LangCode", &code), 0);
    return code;
  }

  inktest::MediumMachine medium_;
  CGlobalVariable environment_;
};

TEST_F(LanguageTest, StartsInTheSystemLanguageAndRecordsIt) {
  WriteMedium();
  ASSERT_TRUE(environment_.Init());
  EXPECT_EQ(environment_.Language().CurrentLcid(), 9);
  EXPECT_EQ(environment_.LanguageAbbreviation(), "EN");
  EXPECT_EQ(Hello(), "Hello");
  EXPECT_EQ(InstallingLangCode(), 9u);
  EXPECT_EQ(Installing("LangAbbr"), "EN");
  EXPECT_EQ(Installing("STR_FILE"), "C:\\Medium\\data\\String\\Lang_EN.str");
  const std::vector<std::string> expected = {
      "Set Language : Language ID\t\t= 0X0009",       "Set Language : Language Abbr\t\t= EN",
      "Set Language : System Language ID\t= 0X0409",  "Set Language : System Language Abbr = EN",
      "Set Language : Language Dir\t\t= EN",          "Set Language : Org Language ID\t\t= 0X0009",
      "Set Language : Org Language Abbr\t\t= EN",     "Set Language : Org Language Dir\t\t= EN",
      "Set Language : String file\t\t= Lang_EN.str", "Set Language : Configure file\t\t= C:\\Medium\\data\\ovinst.ovi",
  };
  const auto lines = medium_.LogLines();
  const auto first = std::find(lines.begin(), lines.end(), expected.front());
  ASSERT_NE(first, lines.end());
  EXPECT_EQ(std::vector<std::string>(first, first + static_cast<std::ptrdiff_t>(expected.size())), expected);
}

TEST_F(LanguageTest, AnEarlierInstallationsLanguageWinsOverTheSystems) {
  WriteMedium();
  ASSERT_EQ(CRegistry::SetValue("Software\\Maker\\Product\\Installed", "LangCode", std::uint32_t{0x0407}), 0);
  ASSERT_TRUE(environment_.Init());
  EXPECT_EQ(environment_.Language().CurrentLcid(), 0x0007);
  EXPECT_EQ(environment_.Language().OrgLcid(), 0x0007);
  EXPECT_EQ(environment_.Language().CurrentDirectory(), "German");
  EXPECT_EQ(Hello(), "Hallo");
  EXPECT_EQ(Installing("LangAbbr"), "GR");
  EXPECT_EQ(Installing("STR_FILE"), "C:\\Medium\\data\\String\\Lang_GR.str");
}

TEST_F(LanguageTest, TheCommandLineLanguageChangesTheProfilesOnce) {
  WriteMedium();
  ASSERT_TRUE(environment_.Init());
  EXPECT_TRUE(environment_.SetLanguage(0x0407, false));
  EXPECT_EQ(Hello(), "Hallo");
  EXPECT_EQ(InstallingLangCode(), 7u);
  // The language in use again, chosen on the language page: nothing changes.
  ASSERT_EQ(CRegistry::SetValue("Software\\Maker\\Product\\Installing", "LangAbbr", "marker"), 0);
  EXPECT_FALSE(environment_.SetLanguage(0x0007, true));
  EXPECT_EQ(Installing("LangAbbr"), "marker");
  // Not interactive, the same language is recorded and applied again.
  EXPECT_FALSE(environment_.SetLanguage(0x0007, false));
  EXPECT_EQ(Installing("LangAbbr"), "GR");
}

TEST_F(LanguageTest, AMissingStringFileFallsBackToEnglish) {
  WriteMedium(false);
  ASSERT_TRUE(environment_.Init());
  environment_.SetLanguage(0x0407, false);
  EXPECT_EQ(environment_.Language().CurrentAbbreviation(), "GR");
  EXPECT_EQ(environment_.Profiles().StringFile(), "C:\\Medium\\data\\String\\Lang_EN.str");
  EXPECT_EQ(Hello(), "Hello");
  EXPECT_TRUE(medium_.Logged(" (C:\\Medium\\data\\String\\Lang_GR.str) string file does not exist"));
}

class AustrianSystemTest : public LanguageTest {
 protected:
  AustrianSystemTest() : LanguageTest(0x0C07) {}
};

TEST_F(AustrianSystemTest, TheCountryMappingShowsGerman) {
  WriteMedium();
  ASSERT_TRUE(environment_.Init());
  EXPECT_EQ(environment_.Language().SystemLcid(), 0x0C07);
  EXPECT_EQ(environment_.Language().CurrentLcid(), 0x0007);
  EXPECT_EQ(environment_.Language().OrgLcid(), 0x0007);
  EXPECT_EQ(environment_.Language().SystemAbbreviation(), "GR");
  EXPECT_EQ(Hello(), "Hallo");
}

TEST_F(AustrianSystemTest, RemoteInstallReadsNoLanguageList) {
  WriteMedium();
  ASSERT_TRUE(environment_.Init());
  environment_.Options().SetRemoteInstall(true);
  EXPECT_TRUE(environment_.SetLanguage(0x0407, false));
  EXPECT_EQ(environment_.Language().CurrentLcid(), 9);
  EXPECT_EQ(environment_.Language().CurrentAbbreviation(), "EN");
}

}  // namespace
