#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/global_variable.h"
#include "app/start_mode.h"
#include "app/start_section.h"
#include "install/registry.h"
#include "medium_machine.h"
#include "platform/module_file.h"

namespace {

// A medium that speaks English and Korean.
const std::string kBilingualData =
    std::string(inktest::kProgramInfo) + "[PROGRAM_LANG_INFO]\n0x0009\n0x0412 = Korean\n";

// What a command line did to a fresh run environment.
struct CommandLineResult {
  int mode = 0;
  bool silent = false;
  std::string destination;
  std::string initial_destination;
  std::string port;
  bool port_found = false;
  std::uint16_t language = 0;
  bool logged = false;
};

CommandLineResult ReadOnFreshMedium(const std::string& text) {
  inktest::MediumMachine medium;
  medium.WriteMedium(kBilingualData);
  medium.Write("data/String/Lang_KR.str", "[MESSAGES]\n");
  CGlobalVariable environment;
  EXPECT_TRUE(environment.Init());
  CommandLineResult result;
  result.initial_destination = environment.InstallEnv().Destination();
  result.mode = app::ReadCommandLine(text, environment, result.silent);
  result.destination = environment.InstallEnv().Destination();
  result.port = environment.InstallEnv().Port();
  result.port_found = environment.InstallEnv().PortFound();
  result.language = environment.Language().OrgLcid();
  result.logged = medium.Logged("Parameter : " + text);
  return result;
}

TEST(CommandLineTest, OptionsSetTheModeAndTheRunEnvironment) {
  struct Case {
    const char* text;
    int mode;
    bool silent;
    const char* destination;  // null: the initial destination stays
    const char* port;         // null: no port given
    std::uint16_t language;
  };
  const Case cases[] = {
      {"", app::kStartInstall, false, nullptr, nullptr, 0x0009},
      {"/S /U", app::kStartUninstall, true, nullptr, nullptr, 0x0009},
      {"-s -r", app::kStartReinstall, true, nullptr, nullptr, 0x0009},
      {"/S/U", app::kStartUninstall, true, nullptr, nullptr, 0x0009},
      {"/U /R", app::kStartReinstall, false, nullptr, nullptr, 0x0009},
      {"/r /d /u", app::kStartUninstall, false, nullptr, nullptr, 0x0009},
      {"/u -D", app::kStartDeleteAll, false, nullptr, nullptr, 0x0009},
      {"/L0x412", app::kStartInstall, false, nullptr, nullptr, 0x0412},
      {"/L1042", app::kStartInstall, false, nullptr, nullptr, 0x0412},
      {"-l \"0X0412\"", app::kStartInstall, false, nullptr, nullptr, 0x0412},
      {"/AC:\\Program Files\\Tools", app::kStartInstall, false, "C:\\Program Files\\Tools", nullptr, 0x0009},
      {"/a \"C:\\Program Files\\Tools\" /s", app::kStartInstall, true, "C:\\Program Files\\Tools", nullptr, 0x0009},
      {"/AC:\\Old-Data", app::kStartInstall, false, "C:\\Old-Data", nullptr, 0x0009},
      {"/AC:\\My-Tools -s", app::kStartInstall, true, "C:\\My-Tools", nullptr, 0x0009},
      {"/AC:\\Old -Data", app::kStartDeleteAll, false, "C:\\Old", nullptr, 0x0009},
      {"\"-AC:\\Program Files\\Tools\" -s", app::kStartInstall, true, "C:\\Program Files\\Tools", nullptr, 0x0009},
      {"/PLPT2: ", app::kStartInstall, false, nullptr, "LPT2:", 0x0009},
      {"-p\t\"USB001\"", app::kStartInstall, false, nullptr, "USB001", 0x0009},
      {"U /S", app::kStartUninstall, true, nullptr, nullptr, 0x0009},
      {"go /U", app::kStartUninstall, false, nullptr, nullptr, 0x0009},
      {"/X /Q -7 / S", app::kStartInstall, false, nullptr, nullptr, 0x0009},
      {"/S/-U", app::kStartInstall, true, nullptr, nullptr, 0x0009},  // "-" right after "/" begins nothing
  };
  for (const Case& c : cases) {
    const CommandLineResult result = ReadOnFreshMedium(c.text);
    EXPECT_EQ(result.mode, c.mode) << c.text;
    EXPECT_EQ(result.silent, c.silent) << c.text;
    EXPECT_EQ(app::AsksSilent(c.text), c.silent) << c.text;
    EXPECT_EQ(result.destination, c.destination ? c.destination : result.initial_destination) << c.text;
    EXPECT_EQ(result.port_found, c.port != nullptr) << c.text;
    if (c.port) {
      EXPECT_EQ(result.port, c.port) << c.text;
    }
    EXPECT_EQ(result.language, c.language) << c.text;
    EXPECT_TRUE(result.logged) << c.text;
  }
}

TEST(CommandLineTest, ALineTooLongForItsBufferIsIgnoredWhole) {
  struct Case {
    std::size_t length;
    int mode;
    bool silent;
  };
  const Case cases[] = {
      {app::kMaxCommandLine, app::kStartUninstall, true},
      {app::kMaxCommandLine + 1, app::kStartInstall, false},
      {app::kMaxCommandLine * 4, app::kStartInstall, false},
  };
  for (const Case& c : cases) {
    inktest::MediumMachine medium;
    medium.WriteMedium(inktest::kProgramInfo);
    CGlobalVariable environment;
    ASSERT_TRUE(environment.Init());
    // "/S", blanks, and "/U" as the last bytes.
    const std::string text = "/S" + std::string(c.length - 4, ' ') + "/U";
    bool silent = false;
    EXPECT_EQ(app::ReadCommandLine(text, environment, silent), c.mode) << c.length;
    EXPECT_EQ(silent, c.silent) << c.length;
    EXPECT_EQ(app::AsksSilent(text), c.silent) << c.length;
    const bool refused = c.length > app::kMaxCommandLine;
    EXPECT_EQ(medium.Logged("The command line of " + std::to_string(c.length) + " bytes is too long, so it is ignored"),
              refused)
        << c.length;
  }
}

TEST(CommandLineTest, ArgumentsWithBlanksAreQuoted) {
  struct Case {
    std::vector<std::string> arguments;
    const char* text;
  };
  const Case cases[] = {
      {{}, ""},
      {{"/S"}, "/S"},
      {{"/S", "/U"}, "/S /U"},
      {{"/AC:\\Program Files\\Tools", "-s"}, "\"/AC:\\Program Files\\Tools\" -s"},
      {{"-A", "C:\\a\tb"}, "-A \"C:\\a\tb\""},
      {{"/AC:\\Old-Data"}, "/AC:\\Old-Data"},
  };
  for (const Case& c : cases) EXPECT_EQ(app::BuildCommandLineText(c.arguments), c.text) << c.text;
}

TEST(CommandLineTest, QuotedArgumentsReadBackWhole) {
  struct Case {
    std::vector<std::string> arguments;
    const char* destination;
    bool silent;
  };
  const Case cases[] = {
      {{"-AC:\\Program Files\\Tools", "-s"}, "C:\\Program Files\\Tools", true},
      {{"/AC:\\Program Files\\Tools"}, "C:\\Program Files\\Tools", false},
      {{"/A", "C:\\Program Files\\My-Tools", "/S"}, "C:\\Program Files\\My-Tools", true},
  };
  for (const Case& c : cases) {
    const CommandLineResult result = ReadOnFreshMedium(app::BuildCommandLineText(c.arguments));
    EXPECT_EQ(result.mode, app::kStartInstall) << c.destination;
    EXPECT_EQ(result.destination, c.destination);
    EXPECT_EQ(result.silent, c.silent) << c.destination;
  }
}

// The start sections a configure profile of a test may have, by letter,
// with the start mode each gives.
struct SectionLetter {
  char letter;
  const char* name;
  int mode;
};
constexpr SectionLetter kSectionLetters[] = {
    {'I', "INSTALL_START_INFO", app::kStartInstall},
    {'U', "UNINST_START_INFO", app::kStartUninstall},
    {'R', "REINST_START_INFO", app::kStartReinstall},
    {'L', "REINST_START_INFO_LOCAL", app::kStartReinstallLocal},
    {'C', "REINST_START_INFO_CD", app::kStartReinstallMedium},
    {'D', "DELETEALL_START_INFO", app::kStartDeleteAll},
};

// The start section that gives `mode`.
std::string SectionOfMode(int mode) {
  for (const SectionLetter& section : kSectionLetters) {
    if (section.mode == mode) return section.name;
  }
  return "";
}

// A configure profile with the start sections named by `letters`.
std::string ConfigureWith(const std::string& letters) {
  std::string text;
  for (const SectionLetter& section : kSectionLetters) {
    if (letters.find(section.letter) == std::string::npos) continue;
    text += "[" + std::string(section.name) + "]\nCMD_TYPE = CT_OPEN_DLG\n";
  }
  return text;
}

// A run environment on a medium whose data file has `options` in OPTION
// and whose configure profile is `configure`, the installer started from
// the CD-ROM drive E: or from the fixed drive C:.
class StartMedium {
 public:
  StartMedium(const std::string& options, const std::string& configure, bool on_cd_rom)
      : medium_([](platform::MachineConfig& config) {
          config.drives.push_back({'E', config.drives.front().host_dir / "Medium", platform::DriveKind::kCdRom});
        }) {
    medium_.WriteMedium(std::string(inktest::kProgramInfo) + "[OPTION]\n" + options);
    medium_.Write("data/ovinst.ovi", configure);
    if (on_cd_rom) platform::SetModuleFileName("E:\\setup.exe");
    EXPECT_TRUE(environment_.Init());
  }

  // Records an earlier installation's language under the Installed key.
  void RecordInstalledLanguage() {
    EXPECT_EQ(CRegistry::SetValue(environment_.RegistryKeys().Installed().c_str(), "LangCode", 0x0409u), 0);
  }

  // SelectStartSection for `mode` with an installed item or without,
  // checking what it writes and logs against its result.
  int Select(int mode, bool item_installed, const std::string& what) {
    const int result = app::SelectStartSection(
        mode, environment_,
        [this, item_installed] {
          ++item_queries_;
          return item_installed;
        },
        section_);
    std::uint32_t setup_type = 0;
    const long read =
        CRegistry::GetValue(environment_.RegistryKeys().Installing().c_str(), "Setup_Type", &setup_type);
    if (result == app::kStartInvalid) {
      EXPECT_NE(read, 0) << what << ": Setup_Type written without a start section";
    } else {
      EXPECT_EQ(read, 0) << what;
      EXPECT_EQ(setup_type, static_cast<std::uint32_t>(result)) << what;
    }
    EXPECT_TRUE(medium_.Logged("Start Section is [" + section_ + "]")) << what;
    return result;
  }

  const std::string& Section() const { return section_; }
  int ItemQueries() const { return item_queries_; }
  CGlobalVariable& Environment() { return environment_; }

 private:
  inktest::MediumMachine medium_;
  CGlobalVariable environment_;
  std::string section_ = "stale";
  int item_queries_ = 0;
};

TEST(StartSectionTest, EachModeTriesItsSectionsInOrderByDriveKind) {
  struct Case {
    int mode;
    bool cd_rom;
    const char* sections;  // letters of kSectionLetters
    int result;
    const char* section;
  };
  const Case cases[] = {
      {app::kStartInstall,         false, "IURLCD", app::kStartInstall,         "INSTALL_START_INFO"},
      {app::kStartInstall,         true,  "IURLCD", app::kStartInstall,         "INSTALL_START_INFO"},
      {app::kStartUninstall,       false, "IURLCD", app::kStartUninstall,       "UNINST_START_INFO"},
      {app::kStartUninstall,       true,  "IURLCD", app::kStartUninstall,       "UNINST_START_INFO"},
      {app::kStartReinstall,       false, "IURLCD", app::kStartReinstallLocal,  "REINST_START_INFO_LOCAL"},
      {app::kStartReinstall,       true,  "IURLCD", app::kStartReinstallMedium, "REINST_START_INFO_CD"},
      {app::kStartDeleteAll,       false, "IURLCD", app::kStartDeleteAll,       "DELETEALL_START_INFO"},
      {app::kStartDeleteAll,       true,  "IURLCD", app::kStartDeleteAll,       "DELETEALL_START_INFO"},
      {app::kStartInvalid,         false, "IURLCD", app::kStartInstall,         "INSTALL_START_INFO"},
      {app::kStartReinstallLocal,  true,  "IURLCD", app::kStartInstall,         "INSTALL_START_INFO"},
      {app::kStartReinstallMedium, false, "IURLCD", app::kStartInstall,         "INSTALL_START_INFO"},
      {app::kStartScript,          true,  "IURLCD", app::kStartInstall,         "INSTALL_START_INFO"},
      {app::kStartReinstall,       true,  "IURL",   app::kStartReinstall,       "REINST_START_INFO"},
      {app::kStartReinstall,       false, "IURC",   app::kStartReinstall,       "REINST_START_INFO"},
      {app::kStartReinstall,       false, "IU",     app::kStartUninstall,       "UNINST_START_INFO"},
      {app::kStartReinstall,       true,  "I",      app::kStartInstall,         "INSTALL_START_INFO"},
      {app::kStartUninstall,       false, "IRLC",   app::kStartReinstall,       "REINST_START_INFO"},
      {app::kStartUninstall,       true,  "ILC",    app::kStartReinstallMedium, "REINST_START_INFO_CD"},
      {app::kStartUninstall,       false, "ILC",    app::kStartReinstallLocal,  "REINST_START_INFO_LOCAL"},
      {app::kStartUninstall,       true,  "I",      app::kStartInstall,         "INSTALL_START_INFO"},
      {app::kStartDeleteAll,       false, "IURLC",  app::kStartReinstall,       "REINST_START_INFO"},
      {app::kStartDeleteAll,       true,  "IULC",   app::kStartUninstall,       "UNINST_START_INFO"},
      {app::kStartDeleteAll,       false, "ILC",    app::kStartInstall,         "INSTALL_START_INFO"},
      {app::kStartInstall,         false, "URLCD",  app::kStartInvalid,         ""},
      {app::kStartDeleteAll,       true,  "LC",     app::kStartInvalid,         ""},
      {app::kStartUninstall,       false, "",       app::kStartInvalid,         ""},
  };
  for (const Case& c : cases) {
    const std::string what = std::to_string(c.mode) + (c.cd_rom ? " CD-ROM " : " fixed ") + c.sections;
    StartMedium medium("", ConfigureWith(c.sections), c.cd_rom);
    EXPECT_EQ(medium.Select(c.mode, false, what), c.result) << what;
    EXPECT_EQ(medium.Section(), c.section) << what;
    EXPECT_FALSE(medium.Environment().InstallEnv().InstalledBefore()) << what;
  }
}

TEST(StartSectionTest, AnEarlierInstallationWithMaintenanceStartsTheReinstallation) {
  struct Case {
    int mode;
    bool item_installed;
    bool language_recorded;  // LangCode under the Installed key
    const char* options;
    bool cd_rom;
    const char* sections;  // letters of kSectionLetters
    int result;
    bool installed_before;
    int item_queries;
  };
  const Case cases[] = {
      {app::kStartInstall,   true,  true,  "",                   false, "IURLCD", app::kStartReinstallLocal,  true,  1},
      {app::kStartInstall,   true,  true,  "",                   true,  "IURLCD", app::kStartReinstallMedium, true,  1},
      {app::kStartInstall,   true,  true,  "MAINTENANCE_ON = 1", true,  "IUR",    app::kStartReinstall,       true,  1},
      {app::kStartInstall,   true,  true,  "MAINTENANCE_ON = 0", false, "IURLCD", app::kStartInstall,         true,  1},
      {app::kStartInstall,   true,  true,  "NETWORK = 1",        false, "IURLCD", app::kStartInstall,         true,  1},
      {app::kStartInstall,   true,  false, "",                   false, "IURLCD", app::kStartInstall,         false, 1},
      {app::kStartInstall,   false, true,  "",                   false, "IURLCD", app::kStartInstall,         false, 1},
      {app::kStartReinstall, false, true,  "",                   false, "IURLCD", app::kStartReinstallLocal,  true,  0},
      {app::kStartReinstall, false, false, "",                   true,  "IURLCD", app::kStartReinstallMedium, false, 0},
      {app::kStartUninstall, true,  true,  "",                   false, "IURLCD", app::kStartUninstall,       false, 0},
      {app::kStartDeleteAll, true,  true,  "",                   false, "IURLCD", app::kStartDeleteAll,       false, 0},
  };
  for (const Case& c : cases) {
    const std::string what = std::to_string(c.mode) + (c.item_installed ? " item" : " no item") +
                             (c.language_recorded ? " LangCode " : " no LangCode ") + c.options +
                             (c.cd_rom ? " CD-ROM " : " fixed ") + c.sections;
    StartMedium medium(std::string(c.options) + "\n", ConfigureWith(c.sections), c.cd_rom);
    if (c.language_recorded) medium.RecordInstalledLanguage();
    EXPECT_EQ(medium.Select(c.mode, c.item_installed, what), c.result) << what;
    EXPECT_EQ(medium.Section(), SectionOfMode(c.result)) << what;
    EXPECT_EQ(medium.Environment().InstallEnv().InstalledBefore(), c.installed_before) << what;
    EXPECT_EQ(medium.ItemQueries(), c.item_queries) << what;
  }
}

TEST(StartSectionTest, AgfaTakesItsOwnFormOfTheInstallSectionOnly) {
  struct Case {
    int mode;
    const char* options;
    int result;
    const char* section;
    const char* configure;
  };
  const Case cases[] = {
      {app::kStartInstall,   "AGFA = 1", app::kStartInstall,   "INSTALL_START_INFO.AGFA",
       "[INSTALL_START_INFO]\n[install_start_info.agfa]\n"},
      {app::kStartInstall,   "AGFA = 0", app::kStartInstall,   "INSTALL_START_INFO",
       "[INSTALL_START_INFO]\n[install_start_info.agfa]\n"},
      {app::kStartInstall,   "AGFA = 1", app::kStartInstall,   "INSTALL_START_INFO",
       "[INSTALL_START_INFO]\n[INSTALL_START_INFO_AGFA]\n"},
      {app::kStartUninstall, "AGFA = 1", app::kStartUninstall, "UNINST_START_INFO",
       "[UNINST_START_INFO]\n[UNINST_START_INFO.AGFA]\n[INSTALL_START_INFO]\n[INSTALL_START_INFO.AGFA]\n"},
      {app::kStartReinstall, "AGFA = 1", app::kStartInstall,   "INSTALL_START_INFO.AGFA",
       "[INSTALL_START_INFO]\n[INSTALL_START_INFO.AGFA]\n"},
      {app::kStartInstall,   "AGFA = 1", app::kStartInstall,   "INSTALL_START_INFO.EN.AGFA",
       "[INSTALL_START_INFO]\n[INSTALL_START_INFO.EN]\n[Install_Start_Info.En.Agfa]\n"},
      {app::kStartUninstall, "",         app::kStartUninstall, "UNINST_START_INFO.EN",
       "[UNINST_START_INFO]\n[uninst_start_info.en]\n"},
  };
  for (const Case& c : cases) {
    const std::string what = std::to_string(c.mode) + " " + c.options + " " + c.configure;
    StartMedium medium(std::string(c.options) + "\n", c.configure, false);
    EXPECT_EQ(medium.Select(c.mode, false, what), c.result) << what;
    EXPECT_EQ(medium.Section(), c.section) << what;
  }
}

}  // namespace
