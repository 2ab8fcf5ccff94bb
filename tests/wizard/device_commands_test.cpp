#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_fixture.h"
#include "install/registry.h"

namespace {

using inktest::CommandTest;

TEST_F(CommandTest, TestPagesArePrintedByTheModuleElseByTheSystem) {
  PlaceTestModules();
  Start();
  struct Case {
    const char* script;
    wizard::CommandRecord record;
    const char* call;
    std::vector<std::string> system_pages;
  };
  using wizard::MakeCommandRecord;
  const Case cases[] = {
      {"",
       MakeCommandRecord("CT_PRINT_TEST_PAGE", {"Ink 1", "Hello", "http://ink", "logo.bmp", "unused"}),
       "PrintTestPage(Ink 1,Hello,http://ink,C:\\Medium\\OVres.dll,logo.bmp)",
       {}},
      {"PrintTestPage.result=-1\n",
       MakeCommandRecord("CT_PRINT_TEST_PAGE", {"Ink 1"}),
       "PrintTestPage(Ink 1,,,C:\\Medium\\OVres.dll,)",
       {"Ink 1"}},
      {"PrintTestPage.result=-1\n",
       MakeCommandRecord("CT_PRINT_TEST_PAGE"),
       "PrintTestPage(,,,C:\\Medium\\OVres.dll,)",
       {"Recorded"}},
      {"",
       MakeCommandRecord("CT_PRINT_META_TEST_PAGE", {"Ink 1", "page.emf", "unused"}),
       "MetaTestPage(Ink 1,page.emf)",
       {}},
      {"MetaTestPage.result=-1\n",
       MakeCommandRecord("CT_PRINT_META_TEST_PAGE", {"Ink 2", "page.emf"}),
       "MetaTestPage(Ink 2,page.emf)",
       {"Ink 2"}},
      {"", MakeCommandRecord("CT_PRINT_PRN_TEST_PAGE", {"Ink 1", "page.prn"}), "PrintPrnFile(Ink 1,page.prn)", {}},
      {"PrintPrnFile.result=-1\n",
       MakeCommandRecord("CT_PRINT_PRN_TEST_PAGE", {"Ink 3", "page.prn"}),
       "PrintPrnFile(Ink 3,page.prn)",
       {"Ink 3"}},
      {"PrintTestPage.fault=segv\n",
       MakeCommandRecord("CT_PRINT_TEST_PAGE", {"Ink 4"}),
       "PrintTestPage(Ink 4,,,C:\\Medium\\OVres.dll,)",
       {"Ink 4"}},
  };
  CRegistry::SetValue("Software\\Maker\\Product\\Installing", "Default_Printer", "Recorded");
  for (const Case& c : cases) {
    ScriptModules(c.script);
    printers_.system_test_pages.clear();
    const std::size_t before = ModuleCalls().size();
    EXPECT_TRUE(Interpreter().Execute(c.record)) << c.call;
    const auto calls = ModuleCalls();
    EXPECT_EQ(std::vector<std::string>(calls.begin() + static_cast<std::ptrdiff_t>(before), calls.end()),
              std::vector<std::string>{c.call});
    EXPECT_EQ(printers_.system_test_pages, c.system_pages) << c.call;
  }
}

TEST_F(CommandTest, WithoutModulesTheSystemPrintsTheTestPage) {
  Start();
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_PRINT_TEST_PAGE = Ink 1"));
  EXPECT_EQ(printers_.system_test_pages, std::vector<std::string>{"Ink 1"});
}

TEST_F(CommandTest, DiagnosisChoosesThePrinterAndTheEntry) {
  PlaceTestModules();
  Start();
  struct Case {
    const char* script;
    const char* line;
    const char* current;
    const char* default_printer;
    bool result;
    const char* logged;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"", "CT_DIAGNOSIS", "", "", false, "Diagnosis fail!! (Printer Name not found)", {}},
      {"",
       "CT_DIAGNOSIS",
       "Current",
       "Default",
       true,
       "Diagnose [Current]",
       {"Diagnosis(Maker,Current,Model,VID_1&PID_2)"}},
      {"", "CT_DIAGNOSIS", "", "Default", true, "Diagnose [Default]", {"Diagnosis(Maker,Default,Model,VID_1&PID_2)"}},
      {"",
       "CT_DIAGNOSIS = current",
       "Current",
       "",
       true,
       "Diagnose [current]",
       {"Diagnosis(Maker,current,Model,VID_1&PID_2)"}},
      {"",
       "CT_DIAGNOSIS = Other",
       "Current",
       "",
       true,
       "Diagnose [Other]",
       {"DiagnosisEx(Maker,Other,Model,VID_1&PID_2,0)"}},
      {"DiagnosisEx.result=1\n",
       "CT_DIAGNOSIS = Other",
       "",
       "",
       true,
       "Diagnose [Other]",
       {"DiagnosisEx(Maker,Other,Model,VID_1&PID_2,0)", "Diagnosis(Maker,Other,Model,VID_1&PID_2)"}},
  };
  for (const Case& c : cases) {
    ScriptModules(c.script);
    printers_.current = c.current;
    printers_.default_printer = c.default_printer;
    const std::size_t before = ModuleCalls().size();
    bool result = !c.result;
    const auto lines = RunLogged(c.line, &result);
    EXPECT_EQ(result, c.result) << c.line << " current " << c.current;
    ASSERT_GE(lines.size(), 2u) << c.line;
    EXPECT_EQ(lines[1], c.logged) << c.line;
    const auto calls = ModuleCalls();
    EXPECT_EQ(std::vector<std::string>(calls.begin() + static_cast<std::ptrdiff_t>(before), calls.end()), c.calls)
        << c.line << " current " << c.current;
  }
}

TEST_F(CommandTest, DeviceCommandsCallTheUtilityModuleWithTheProduct) {
  PlaceTestModules();
  Start();
  struct Case {
    const char* line;
    const char* call;
  };
  const Case cases[] = {
      {"CT_REFRESH_SYSTEM", "SystemRefresh(MakerModel,VID_1&PID_2)"},
      {"CT_RMHW_DLG", "RemoveHardwareWizardDialog()"},
      {"CT_REMOVE_DEV", "RemoveUnknownDev(MakerModel,VID_1&PID_2)"},
      {"CT_START_PREVENT_PNP", "StartPreventPnP(MakerModel)"},
      {"CT_END_PREVENT_PNP", "EndPreventPnP(MakerModel)"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Interpreter().RunCommandLine(c.line)) << c.line;
    EXPECT_EQ(ModuleCalls().back(), c.call) << c.line;
  }
}

TEST_F(CommandTest, NoSystemRefreshOnNt4) {
  PlaceTestModules();
  platform::MachineConfig& config = platform::CurrentMachine().MutableConfig();
  config.major = 4;
  config.is_64bit = false;
  config.wow64_process = false;
  platform::CurrentMachine().SaveConfig();
  Start();
  ASSERT_EQ(Environment().Os().code, app::kOsNt4);
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_REFRESH_SYSTEM"));
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_REMOVE_DEV"));
  EXPECT_EQ(ModuleCalls(), std::vector<std::string>{"RemoveUnknownDev(MakerModel,VID_1&PID_2)"});
}

}  // namespace
