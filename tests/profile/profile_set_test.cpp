#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_environment.h"
#include "platform/files.h"
#include "profile/log.h"
#include "profile/profile_set.h"
#include "temp_machine.h"

namespace {

// A medium under C:\setup with the files a set needs, and a log whose lines
// the test can read back.
class ProfileSetTest : public ::testing::Test {
 protected:
  ProfileSetTest() : log_("setup.exe") { SetLog(&log_); }
  ~ProfileSetTest() override { SetLog(nullptr); }

  void Write(const std::string& relative, const std::string& text) {
    machine_.WriteHostFile("drive_c/setup/" + relative, text);
  }
  // The default medium: data file without INSTALLER_FILE_INFO, the default
  // configure, command, English string and setting files.
  void WriteDefaultMedium(const std::string& data = "[PROGRAM_INFO]\nMFG = Maker\n") {
    Write("setup.dat", data);
    Write("data/ovinst.ovi", "[DIALOGS]\nFIRST = @HELLO@\n");
    Write("data/ovinst.cmd", "[CMD]\nK = @HELLO@\n");
    Write("data/String/Lang_EN.str", "[MESSAGES]\nHELLO = Hello\n");
    Write("Config.ini", "[INSTALL]\n");
  }
  // The log lines written so far, without their time stamps.
  std::vector<std::string> LogLines() const {
    std::string contents;
    EXPECT_EQ(platform::ReadWholeFile(log_.Path(), contents), 0);
    const std::string body = contents.substr(contents.find("\r\n\r\n\r\n") + 6);
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < body.size();) {
      const auto end = body.find("\r\n", at);
      lines.push_back(body.substr(at + 12, end - at - 12));
      at = end + 2;
    }
    return lines;
  }

  inktest::TempMachine machine_;
  CLog log_;
  inktest::FakeEnvironment environment_;
  CProfileSet set_;
};

TEST_F(ProfileSetTest, InitializeWithDefaults) {
  WriteDefaultMedium();
  ASSERT_TRUE(set_.Initialize(environment_));
  EXPECT_EQ(set_.DataFile(), "C:\\setup\\setup.dat");
  EXPECT_EQ(set_.ConfigureFile(), "C:\\setup\\data\\ovinst.ovi");
  EXPECT_EQ(set_.CommandFile(), "C:\\setup\\data\\ovinst.cmd");
  EXPECT_EQ(set_.StringFile(), "C:\\setup\\data\\String\\Lang_EN.str");
  EXPECT_EQ(set_.StringFileName(), "Lang_EN.str");
  EXPECT_EQ(set_.SettingFile(), "C:\\setup\\Config.ini");
  std::string value;
  ASSERT_TRUE(set_.String().GetString("MESSAGES", "HELLO", value));
  EXPECT_EQ(value, "Hello");
  ASSERT_TRUE(set_.Configure().GetString("DIALOGS", "FIRST", value));
  EXPECT_EQ(value, "@HELLO@") << "messages come with the language";
  EXPECT_TRUE(LogLines().empty());
}

TEST_F(ProfileSetTest, InitializeReadsNamesFromTheDataFile) {
  WriteDefaultMedium(
      "[INSTALLER_FILE_INFO]\n"
      "CONFIGURE_FILE = $SRC_DIR$\\conf\\setup.ovi\n"
      "COMMAND_FILE = .\\conf\\setup.cmd\n"
      "STRING_FILE_FORMAT = .\\lang\\%s\\strings.txt\n"
      "SETTING_FILE = .\\missing.ini\n");
  Write("conf/setup.ovi", "[A]\n");
  Write("conf/setup.cmd", "[B]\n");
  ASSERT_TRUE(set_.Initialize(environment_));
  EXPECT_EQ(set_.ConfigureFile(), "C:\\setup\\conf\\setup.ovi");
  EXPECT_EQ(set_.CommandFile(), "C:\\setup\\conf\\setup.cmd");
  EXPECT_EQ(set_.StringFile(), "C:\\setup\\lang\\EN\\strings.txt");
  EXPECT_EQ(set_.SettingFile(), "");
  EXPECT_TRUE(set_.Configure().HasSection("A"));
  EXPECT_TRUE(set_.Command().HasSection("B"));
}

TEST_F(ProfileSetTest, InitializeFailures) {
  const struct {
    const char* name;
    const char* data;             // null: no data file
    const char* remove;           // a default file to leave out
    const char* log_line;
  } cases[] = {
      {"no data file", nullptr, nullptr, "Get Data File Fail (C:\\setup\\setup.dat)"},
      {"no configure file", "[X]\n", "data/ovinst.ovi", "Check configure file fail (.\\data\\ovinst.ovi)"},
      {"named configure file missing", "[INSTALLER_FILE_INFO]\nCONFIGURE_FILE = .\\nope.ovi\n", nullptr,
       "Check configure file fail (.\\nope.ovi)"},
      {"no command file", "[X]\n", "data/ovinst.cmd", "Check Command file fail (.\\data\\ovinst.cmd)"},
      {"string file format empty", "[INSTALLER_FILE_INFO]\nSTRING_FILE_FORMAT =\n", nullptr,
       "Create String Fail! ()"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteDefaultMedium(c.data ? c.data : "");
    if (c.data == nullptr) {
      ASSERT_EQ(platform::DeleteFile("C:\\setup\\setup.dat"), 0);
    }
    if (c.remove) {
      ASSERT_EQ(platform::DeleteFile(std::string("C:\\setup\\") + c.remove), 0);
    }
    CProfileSet set;
    EXPECT_FALSE(set.Initialize(environment_));
    const std::vector<std::string> lines = LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), c.log_line);
  }
}

TEST_F(ProfileSetTest, ConfigureFileOfTheCurrentLanguage) {
  WriteDefaultMedium("[INSTALLER_FILE_INFO]\nCONFIGURE_FILE.JP = .\\data\\jp.ovi\n");
  Write("data/jp.ovi", "[JP]\n");
  environment_.language = "JP";
  ASSERT_TRUE(set_.Initialize(environment_));
  EXPECT_EQ(set_.ConfigureFile(), "C:\\setup\\data\\jp.ovi");
}

TEST_F(ProfileSetTest, SetLanguagePointsEveryProfileAtTheStringFile) {
  WriteDefaultMedium("[INSTALLER_FILE_INFO]\nCONFIGURE_FILE.DE = .\\data\\de.ovi\n[S]\nK = @HELLO@\n");
  Write("data/String/Lang_DE.str", "[MESSAGES]\nHELLO = Hallo\n");
  Write("data/de.ovi", "[DIALOGS]\nFIRST = @HELLO@ DE\n");
  ASSERT_TRUE(set_.Initialize(environment_));
  set_.SetLanguage(environment_, "DE");
  EXPECT_EQ(set_.StringFileName(), "Lang_DE.str");
  EXPECT_EQ(set_.ConfigureFile(), "C:\\setup\\data\\de.ovi");
  const struct {
    CMyProfile* profile;
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {&set_.Data(), "S", "K", "Hallo"},
      {&set_.Configure(), "DIALOGS", "FIRST", "Hallo DE"},
      {&set_.Command(), "CMD", "K", "Hallo"},
      {&set_.String(), "MESSAGES", "HELLO", "Hallo"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    std::string value;
    ASSERT_TRUE(c.profile->GetString(c.section, c.key, value));
    EXPECT_EQ(value, c.expected);
  }
  EXPECT_EQ(LogLines(), (std::vector<std::string>{
                            "Set Language : String file\t\t= Lang_DE.str",
                            "Set Language : Configure file\t\t= C:\\setup\\data\\de.ovi",
                        }));
}

TEST_F(ProfileSetTest, SetLanguageFallsBackWhenTheStringFileIsMissing) {
  WriteDefaultMedium();
  ASSERT_TRUE(set_.Initialize(environment_));
  environment_.fallback = "EN";
  set_.SetLanguage(environment_, "FR");
  EXPECT_EQ(set_.StringFile(), "C:\\setup\\data\\String\\Lang_EN.str");
  EXPECT_EQ(set_.ConfigureFile(), "C:\\setup\\data\\ovinst.ovi");
  std::string value;
  ASSERT_TRUE(set_.Command().GetString("CMD", "K", value));
  EXPECT_EQ(value, "Hello");
  EXPECT_EQ(LogLines(), (std::vector<std::string>{
                            " (C:\\setup\\data\\String\\Lang_FR.str) string file does not exist",
                            "Set Language : String file\t\t= Lang_EN.str",
                            "Set Language : Configure file\t\t= C:\\setup\\data\\ovinst.ovi",
                        }));
}

TEST_F(ProfileSetTest, StringFileFormatIsNeverAPrintfFormat) {
  WriteDefaultMedium("[INSTALLER_FILE_INFO]\nSTRING_FILE_FORMAT = .\\100%d\\%s_%n%s.str\n");
  ASSERT_TRUE(set_.Initialize(environment_));
  EXPECT_EQ(set_.StringFile(), "C:\\setup\\100%d\\EN_%n%s.str");
  set_.SetStringFile("DE");
  EXPECT_EQ(set_.UnresolvedStringFile(), ".\\100%d\\DE_%n%s.str");
}

}  // namespace
