#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "module_fixture.h"
#include "platform/library.h"

namespace {

using inktest::ModuleTest;

constexpr const char* kInstallingKey = "Software\\Orvane\\P1\\Installing";

TEST_F(ModuleTest, WithoutFileInfoEveryModuleComesFromItsDefaultPath) {
  PlaceDefaultModules();
  Load();
  EXPECT_EQ(modules_.GetUninstallerPath(), "C:\\setup\\data\\OVDelAll.exe");
  EXPECT_EQ(modules_.GetOpenExePath(), "C:\\setup\\data\\Ovopen.exe");
  EXPECT_EQ(modules_.GetResourceModulePath(), "C:\\setup\\OVres.dll");
  EXPECT_NE(modules_.GetResourceModule(), nullptr);
  for (const std::string& line : LogLines()) EXPECT_EQ(line.find("DLL fail"), std::string::npos) << line;
}

// A module named in the profile that is missing or is no module: the
// failure line with the system's error follows, and its calls are absent.
TEST_F(ModuleTest, ModulesThatDoNotLoadAreLoggedWithTheirError) {
  machine_.WriteHostFile("drive_c/setup/data/Text.dll", "not a shared object");
  const struct {
    const char* key;
    const char* value;
    const char* line;
    const char* error;
  } cases[] = {
      {"INSTALLER_DLL", ".\\data\\Missing.dll", "Load installer DLL fail ()", "Error Code = 2 :"},
      {"INSTALLER_DLL", ".\\data\\Text.dll", "Load installer DLL fail (C:\\setup\\data\\Text.dll)",
       "Error Code = 193 :"},
      {"UTILITY_DLL", ".\\data\\Missing.dll", "Load Utility DLL fail ()", "Error Code = 2 :"},
      {"REMOTE_INSTALL_DLL", ".\\data\\Text.dll", "Load Remote DLL fail (C:\\setup\\data\\Text.dll)",
       "Error Code = 193 :"},
      {"DIAGNOSIS_DLL", ".\\data\\Missing.dll", "Load Diagnosis DLL fail ()", "Error Code = 2 :"},
      {"TESTPAGE_DLL", ".\\data\\Text.dll", "Load TestPage DLL fail (C:\\setup\\data\\Text.dll)",
       "Error Code = 193 :"},
      {"NETWORKMAN_DLL", ".\\data\\Missing.dll", "Get network Netmanager DLL fail", "Error Code = 2 :"},
      {"NETWORKMAN_DLL", ".\\data\\Text.dll", "Load Netmanager DLL fail (C:\\setup\\data\\Text.dll)",
       "Error Code = 193 :"},
      {"RESOURCE_DLL", ".\\data\\Missing.dll", "Load Resource DLL fail ()", "Error Code = 2 :"},
      {"PREINSTALLER_DLL", ".\\data\\Text.dll", "C:\\setup\\data\\Text.dll", "Error Code = 193 :"},
      {"SETIP_DLL", ".\\data\\Missing.dll", "Load SetIP DLL fail ()", "Error Code = 2 :"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> lines = LinesLoggedBy([&] {
      CInstallerModules modules;
      LoadInto(modules, std::string("[INSTALLER_FILE_INFO]\n") + c.key + " = " + c.value + "\n");
    });
    const auto failure = std::find(lines.begin(), lines.end(), c.line);
    ASSERT_NE(failure, lines.end()) << c.line;
    ASSERT_NE(failure + 1, lines.end()) << c.line;
    EXPECT_TRUE(failure[1].starts_with(c.error)) << c.line << ": " << failure[1];
  }
}

TEST_F(ModuleTest, MissingInstallerModuleLeavesItsCallsAbsent) {
  PlaceDefaultModules();
  Load("[INSTALLER_FILE_INFO]\nINSTALLER_DLL = .\\data\\Missing.dll\n");
  EXPECT_EQ(modules_.MyInstall(kInstallingKey, "item", false), 0);
  EXPECT_EQ(LogLines().back(), "Call MyInstall ==> NULL");
  // The other modules loaded as usual.
  EXPECT_EQ(modules_.SaveFile("C:\\Temp\\RtReg.reg", kInstallingKey), 1);
  EXPECT_EQ(Calls(), std::vector<std::string>{"SaveFile(C:\\Temp\\RtReg.reg,Software\\Orvane\\P1\\Installing,0)"});
}

TEST_F(ModuleTest, MissingResourceModuleLeavesItsPathEmpty) {
  PlaceDefaultModules();
  Load("[INSTALLER_FILE_INFO]\nRESOURCE_DLL = .\\Other.dll\n");
  EXPECT_EQ(modules_.GetResourceModulePath(), "");
  EXPECT_EQ(modules_.GetResourceModule(), nullptr);
}

// Test pages come from the diagnosis module's file unless configured
// apart; only the plain section's DIAGNOSIS_DLL counts for that.
TEST_F(ModuleTest, TestPagesShareTheDiagnosisModuleFile) {
  PlaceModule("inktest_diagnosis", "data\\Diag2.dll");
  PlaceModule("inktest_diagnosis", "data\\Pages.dll");
  const struct {
    const char* profile;
    bool test_page_loaded;
    const char* logged;  // a line the load writes, or empty
  } cases[] = {
      {"[INSTALLER_FILE_INFO]\nDIAGNOSIS_DLL = .\\data\\Diag2.dll\n", true, ""},
      {"[INSTALLER_FILE_INFO]\nDIAGNOSIS_DLL = .\\data\\Diag2.dll\nTESTPAGE_DLL = .\\data\\Pages.dll\n", true, ""},
      {"[INSTALLER_FILE_INFO]\n[INSTALLER_FILE_INFO.W10]\nDIAGNOSIS_DLL = .\\data\\Diag2.dll\n", false,
       "Load TestPage DLL fail ()"},
      // The variant's own value comes before the diagnosis module's file.
      {"[INSTALLER_FILE_INFO]\nDIAGNOSIS_DLL = .\\data\\Diag2.dll\n[INSTALLER_FILE_INFO.W10]\n"
       "TESTPAGE_DLL = .\\data\\Missing.dll\n",
       false, "Load TestPage DLL fail ()"},
  };
  for (const auto& c : cases) {
    CInstallerModules modules;
    const std::vector<std::string> lines = LinesLoggedBy([&] { LoadInto(modules, c.profile); });
    if (*c.logged != '\0') {
      EXPECT_NE(std::find(lines.begin(), lines.end(), c.logged), lines.end()) << c.profile;
    }
    EXPECT_EQ(modules.Diagnosis("Orvane", "Office", "P1", "VID_1&PID_2"), 0) << c.profile;
    EXPECT_EQ(modules.MetaTestPage("Office", "page.emf"), c.test_page_loaded ? 0 : -1) << c.profile;
  }
}

TEST_F(ModuleTest, ModulesAreLoadedOnlyOnce) {
  PlaceDefaultModules();
  Load();
  const std::vector<std::string> lines =
      LinesLoggedBy([&] { LoadInto(modules_, "[INSTALLER_FILE_INFO]\nINSTALLER_DLL = .\\data\\Missing.dll\n"); });
  EXPECT_TRUE(lines.empty()) << ::testing::PrintToString(lines);
  EXPECT_EQ(modules_.MyInstall(kInstallingKey, "item", false), 1);
}

// An entry point counts only when the module itself exports it, not when a
// library it depends on does.
TEST_F(ModuleTest, LibraryFindsOnlyTheModulesOwnEntryPoints) {
  PlaceDefaultModules();
  platform::Library module;
  ASSERT_EQ(module.Load("C:\\setup\\data\\Ovrun.dll"), 0);
  EXPECT_NE(module.Find("MyInstall"), nullptr);
  EXPECT_EQ(module.Find("SaveFile"), nullptr);
  EXPECT_EQ(module.Find("malloc"), nullptr);
  EXPECT_EQ(module.Find("getenv"), nullptr);
  platform::Library missing;
  EXPECT_EQ(missing.Load("C:\\setup\\data\\Nothing.dll"), 126);
  EXPECT_FALSE(missing.IsLoaded());
  EXPECT_EQ(missing.Find("MyInstall"), nullptr);
}

}  // namespace
