#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_fixture.h"
#include "install/registry.h"
#include "registry_helper_fixture.h"
#include "wizard/command_types.h"

namespace {

using inktest::CommandTest;
using wizard::CommandType;

constexpr const char* kInstalling = "Software\\Maker\\Product\\Installing";
constexpr const char* kInstalled = "Software\\Maker\\Product\\Installed";

TEST_F(CommandTest, EveryCommandIsLoggedWithProfileTextsAsPlainText) {
  Start();
  bool result = false;
  const auto lines = RunLogged("CT_FOO = %s%n%d, 100%, %%", &result);
  EXPECT_TRUE(result) << "a type that is not a command type does nothing and succeeds";
  EXPECT_EQ(lines, std::vector<std::string>{"Call Command : Type = CT_FOO, Param1=%s%n%d,Param2=100%,Param3=%%,"
                                            "Param4=,Param5="});
  const auto record = wizard::MakeCommandRecord("CT_SET_INST_TYPE", {"a", "b", "c", "d", "e"});
  EXPECT_EQ(LinesLoggedBy([&] { Interpreter().Execute(record); }),
            std::vector<std::string>{"Call Command : Type = CT_SET_INST_TYPE, Param1=a,Param2=b,Param3=c,Param4=d,"
                                     "Param5=e"});
  EXPECT_EQ(host_.WaitCursorDepth(), 0);
}

TEST_F(CommandTest, TypesOfOtherPartsRunTheirHandlersOrAreNotAvailable) {
  Start();
  const CommandType elsewhere[] = {CommandType::kCheckItem,       CommandType::kWriteItemInfo, CommandType::kCopyFile,
                                   CommandType::kDeleteFile,      CommandType::kInstallUpdate, CommandType::kDeleteAll,
                                   CommandType::kRunRemoteInstall};
  for (CommandType type : elsewhere) {
    const std::string name(wizard::CommandTypeName(type));
    EXPECT_TRUE(wizard::IsHandledElsewhere(type)) << name;
    bool result = true;
    const auto lines = RunLogged(name + " = SECTION", &result);
    EXPECT_FALSE(result) << name;
    ASSERT_EQ(lines.size(), 2u) << name;
    EXPECT_EQ(lines[1], name + " is not available yet");

    std::vector<std::string> received;
    ASSERT_TRUE(Interpreter().SetHandler(type, [&](const wizard::CommandRecord& record) {
      received.push_back(record.type + " " + record.Parameter(1));
      return true;
    }));
    EXPECT_TRUE(Interpreter().RunCommandLine(name + " = SECTION")) << name;
    EXPECT_EQ(received, std::vector<std::string>{name + " SECTION"});
  }
  int handled = 0;
  for (std::size_t index = 0; index < wizard::kCommandTypeCount; ++index) {
    const auto type = static_cast<CommandType>(index);
    if (wizard::IsHandledElsewhere(type)) continue;
    EXPECT_FALSE(Interpreter().SetHandler(type, [&](const wizard::CommandRecord&) { return ++handled > 0; }));
  }
  Interpreter().RunCommandLine("CT_SET_INST_TYPE = X");
  EXPECT_EQ(handled, 0);
}

TEST_F(CommandTest, PageCommandsGoToTheWizard) {
  Start();
  struct Case {
    const char* line;
    bool has_page;
    bool result;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"CT_OPEN_DLG = NORMAL.WELCOME - 2", true, true, {"OpenDialog(NORMAL.WELCOME - 2)"}},
      {"CT_OPEN_DLG", true, true, {"OpenDialog()"}},
      {"ct_dlg_back = NORMAL.ANY", true, true, {"OpenPreviousDialog"}},
      {"CT_DO_MODAL = NORMAL.MODAL", true, true, {"DoModal(NORMAL.MODAL)"}},
      {"CT_SHOW_TOGGLE = LOGO", true, true, {"ToggleObjects(LOGO)"}},
      {"CT_SHOW_TOGGLE = LOGO", false, false, {"ToggleObjects(LOGO)"}},
      {"CT_DLG_HELP", true, true, {}},
      {"CT_RUNDLL = a.dll, Entry", true, true, {}},
      {"CT_RUNDLL_AND_TERMINATE = a.dll", true, true, {}},
      {"CT_VIEW_LICESNE = license.txt", true, true, {}},
  };
  for (const Case& c : cases) {
    host_.has_page = c.has_page;
    const std::size_t before = host_.Calls().size();
    EXPECT_EQ(Interpreter().RunCommandLine(c.line), c.result) << c.line;
    const auto calls = host_.Calls();
    EXPECT_EQ(std::vector<std::string>(calls.begin() + static_cast<std::ptrdiff_t>(before), calls.end()), c.calls)
        << c.line;
  }
  // Object names reach the page whole when the record is not a command line.
  Interpreter().Execute(wizard::MakeCommandRecord("CT_SHOW_TOGGLE", {"A, \"B\""}));
  EXPECT_EQ(host_.Calls().back(), "ToggleObjects(A, \"B\")");
}

TEST_F(CommandTest, TargetsAreCommandLinesOrDialogSections) {
  Start("", "[SECTION]\nCT_SET_INST_TYPE = from section\n");
  EXPECT_TRUE(Interpreter().RunTarget("NORMAL.NEXT - 1"));
  EXPECT_EQ(host_.Calls().back(), "OpenDialog(NORMAL.NEXT - 1)");
  EXPECT_TRUE(Interpreter().RunTarget("ct_command=SECTION"));
  EXPECT_EQ(inktest::InstallingValue("Install_Type"), "from section");
  EXPECT_FALSE(Interpreter().RunTarget("CT_COMMAND=MISSING"));
  EXPECT_TRUE(Interpreter().RunTarget("C_NOT_A_COMMAND"));
  EXPECT_EQ(host_.Calls().back(), "OpenDialog(C_NOT_A_COMMAND)");
}

TEST_F(CommandTest, CancelAsksAsTheCancelTypeSays) {
  struct Case {
    const char* configure;
    int answer;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"", 1, {"AskUser(0x36)"}},
      {"", 2, {"AskUser(0x36)", "Quit"}},
      {"[DLG_COMMON]\nCANCEL_TYPE = ok_cancel\n", 2, {"AskUser(0x34)"}},
      {"[DLG_COMMON]\nCANCEL_TYPE = OK_CANCEL\n", 1, {"AskUser(0x34)", "Quit"}},
      {"[DLG_COMMON]\nCANCEL_TYPE = Null\n", 1, {"Quit"}},
      {"[DLG_COMMON]\nCANCEL_TYPE = SOMETIMES\n", 2, {"AskUser(0x36)", "Quit"}},
  };
  for (const Case& c : cases) {
    Start(c.configure);
    host_.answer = c.answer;
    const std::size_t before = host_.Calls().size();
    EXPECT_TRUE(Interpreter().RunCommandLine("CT_DLG_CANCEL")) << c.configure;
    const auto calls = host_.Calls();
    EXPECT_EQ(std::vector<std::string>(calls.begin() + static_cast<std::ptrdiff_t>(before), calls.end()), c.calls)
        << c.configure << " answer " << c.answer;
  }
  EXPECT_EQ(host_.asked.substr(0, 28), "Setup is not complete. If yo");
  Start("[CANCEL_DLG]\nCANCEL_MSG = Quit %PRODUCT%?\n[STRINGS]\n%PRODUCT% = Ink\n");
  Interpreter().RunCommandLine("CT_DLG_CANCEL");
  EXPECT_EQ(host_.asked, "Quit Ink?");
}

TEST_F(CommandTest, EndingTheApplicationSettlesHistoryAndKeys) {
  struct Case {
    const char* line;
    bool network_option;
    bool item_installed;
    std::vector<std::string> calls;
  };
  const std::string merge =
      "MergeHistory(Software\\Maker\\Product\\Installing\\InstHistory,"
      "Software\\Maker\\Product\\Installed\\InstHistory)";
  const std::string undo = "UninstallHistory(Software\\Maker\\Product\\Installed\\InstHistory)";
  const Case cases[] = {
      {"CT_APP_TERMINATE", false, true, {merge, "IsThereInstalledItem"}},
      {"CT_APP_TERMINATE", false, false, {merge, "IsThereInstalledItem", undo}},
      {"CT_APP_TERMINATE", true, false, {merge, "IsThereInstalledItem", undo}},
      {"CT_DLG_CANCEL", false, false, {merge, "IsThereInstalledItem", undo}},
      {"CT_DLG_CANCEL", true, false, {merge, "IsThereInstalledItem", "StopNetworkDiscovery", undo}},
      {"CT_DLG_CANCEL", true, true, {merge, "IsThereInstalledItem"}},
  };
  for (const Case& c : cases) {
    const std::string what =
        std::string(c.line) + (c.network_option ? " network" : "") + (c.item_installed ? " installed" : "");
    Start("[DLG_COMMON]\nCANCEL_TYPE = NULL\n", "", c.network_option ? "[OPTION]\nNETWORK = 1\n" : "");
    inktest::Store(platform::HKEY_LOCAL_MACHINE, std::string(kInstalling) + "\\Items\\A", "Item_Name", platform::REG_SZ,
                   "A");
    inktest::Store(platform::HKEY_LOCAL_MACHINE, kInstalled, "Dest_Dir", platform::REG_SZ, "C:\\Ink");
    inktest::Store(platform::HKEY_LOCAL_MACHINE, "Software\\Maker\\Other", "Keep", platform::REG_SZ, "1");
    end_of_run_.calls.clear();
    end_of_run_.item_installed = c.item_installed;
    EXPECT_TRUE(Interpreter().RunCommandLine(c.line)) << what;
    EXPECT_EQ(end_of_run_.calls, c.calls) << what;
    EXPECT_EQ(host_.Calls().back(), "Quit") << what;
    EXPECT_FALSE(inktest::KeyExists(platform::HKEY_LOCAL_MACHINE, kInstalling)) << what;
    EXPECT_EQ(inktest::KeyExists(platform::HKEY_LOCAL_MACHINE, kInstalled), c.item_installed) << what;
    EXPECT_TRUE(inktest::KeyExists(platform::HKEY_LOCAL_MACHINE, "Software\\Maker\\Other")) << what;
  }
}

TEST_F(CommandTest, SetupAndInstallTypesAreRecorded) {
  Start();
  struct Case {
    const char* line;
    std::uint32_t setup_type;
  };
  const Case cases[] = {
      {"CT_SET_SETUP_TYPE = INSTALL", 1}, {"CT_SET_SETUP_TYPE = uninst", 2}, {"CT_SET_SETUP_TYPE = Reinst", 3},
      {"CT_SET_SETUP_TYPE = DELETE", 0},  {"CT_SET_SETUP_TYPE", 0},          {"CT_SET_SETUP_TYPE = INSTALLS", 0},
  };
  for (const Case& c : cases) {
    std::uint32_t value = 99;
    EXPECT_TRUE(Interpreter().RunCommandLine(c.line)) << c.line;
    EXPECT_EQ(CRegistry::GetValue(kInstalling, "Setup_Type", &value), 0) << c.line;
    EXPECT_EQ(value, c.setup_type) << c.line;
  }
  for (const char* type : {"SILENT_INST", ""}) {
    EXPECT_TRUE(Interpreter().Execute(wizard::MakeCommandRecord("CT_SET_INST_TYPE", {type})));
    EXPECT_EQ(inktest::InstallingValue("Install_Type"), type);
  }
}

TEST_F(CommandTest, RemoteInstallTakesTheDecimalValue) {
  Start();
  struct Case {
    const char* parameter;
    bool on;
  };
  const Case cases[] = {{"1", true},    {" 0 ", false}, {"\t7", true}, {"-3", true},
                        {"0x1", false}, {"abc", false}, {"", false}};
  for (const Case& c : cases) {
    Environment().Options().SetRemoteInstall(!c.on);
    EXPECT_TRUE(Interpreter().Execute(wizard::MakeCommandRecord("CT_SET_REMOTE_INSTALL", {c.parameter})));
    EXPECT_EQ(Environment().Options().RemoteInstall(), c.on) << "'" << c.parameter << "'";
  }
}

TEST_F(CommandTest, ChangingTheLanguageRebuildsTheWindowsOnlyWhenItChanged) {
  medium_.Write("data/String/Lang_GR.str", "[MESSAGES]\n");
  Start("", "", "[PROGRAM_LANG_INFO]\n0x0009 = English\n0x0007 = Deutsch\n");
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_CHANGE_LANG = 0x0407"));
  EXPECT_EQ(Environment().LanguageAbbreviation(), "GR");
  EXPECT_EQ(host_.Calls(), std::vector<std::string>{"LanguageChanged"});
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_CHANGE_LANG = 7"));
  EXPECT_EQ(host_.Calls(), std::vector<std::string>{"LanguageChanged"}) << "the language in use again";
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_CHANGE_LANG = 9"));
  EXPECT_EQ(Environment().LanguageAbbreviation(), "EN");
  EXPECT_EQ(host_.Calls().size(), 2u);
}

TEST_F(CommandTest, FindLocalPrinterChoosesByTheConnectedDevice) {
  Start("", "[FOUND]\nCT_SET_INST_TYPE = found\n");
  struct Case {
    int port_count;
    const char* line;
    std::vector<std::string> commands_after;  // types of the commands it ran
    std::string host_call;
  };
  const Case cases[] = {
      {1, "CT_FIND_LOCAL_PRINTER = NORMAL.FOUND, NORMAL.OTHER", {"CT_WRITE_ITEM_INFO"}, "OpenDialog(NORMAL.FOUND)"},
      {0, "CT_FIND_LOCAL_PRINTER = NORMAL.FOUND, NORMAL.OTHER", {}, "OpenDialog(NORMAL.OTHER)"},
      {1,
       "CT_FIND_LOCAL_PRINTER = CT_COMMAND=FOUND, NORMAL.OTHER",
       {"CT_WRITE_ITEM_INFO", "CT_COMMAND", "CT_SET_INST_TYPE"},
       ""},
  };
  for (const Case& c : cases) {
    device_->port_count = c.port_count;
    device_->ports = {"USB001"};
    host_.TakePosted();
    const std::size_t before = host_.Calls().size();
    const auto lines = RunLogged(c.line);
    std::vector<std::string> ran;
    for (std::size_t i = 1; i < lines.size(); ++i) {
      if (lines[i].starts_with("Call Command : Type = ")) ran.push_back(lines[i].substr(22, lines[i].find(',') - 22));
    }
    EXPECT_EQ(ran, c.commands_after) << c.line;
    const auto calls = host_.Calls();
    EXPECT_EQ(calls.size() > before ? calls.back() : std::string(), c.host_call) << c.line;
  }
  EXPECT_EQ(inktest::InstallingValue("Install_Type"), "found");
}

TEST_F(CommandTest, OpenTestPagePostsThePageForThePrinterInstalledHere) {
  Start();
  struct Case {
    int port_count;
    bool installed;
    const char* line;
    const char* page;
  };
  const Case cases[] = {
      {1, true, "CT_OPEN_TEST_PAGE = TEST_PAGE.OK, NORMAL.NONE", "TEST_PAGE.OK"},
      {1, false, "CT_OPEN_TEST_PAGE = TEST_PAGE.OK, NORMAL.NONE", "NORMAL.NONE"},
      {0, true, "CT_OPEN_TEST_PAGE = TEST_PAGE.OK, NORMAL.NONE", "NORMAL.NONE"},
      {0, false, "CT_OPEN_TEST_PAGE = TEST_PAGE.OK", "TEST_PAGE.OK"},
  };
  for (const Case& c : cases) {
    device_->port_count = c.port_count;
    device_->ports = {"USB001"};
    Environment().InstallEnv().SetPrinterInstalled(c.installed);
    EXPECT_TRUE(Interpreter().RunCommandLine(c.line));
    const auto posted = host_.TakePosted();
    ASSERT_EQ(posted.size(), 1u) << c.line;
    EXPECT_EQ(posted[0].type, "CT_OPEN_DLG");
    EXPECT_EQ(posted[0].Parameter(1), c.page) << c.line << " installed " << c.installed;
  }
}

}  // namespace
