#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/global_variable.h"
#include "medium_machine.h"
#include "printer/installer_modules.h"

namespace {

namespace fs = std::filesystem;

// The run environment loads the modules of its medium through the module
// set, with the profile's names resolved as it resolves every file name,
// and its own module calls reach them.
TEST(ModuleEnvironmentTest, RunEnvironmentLoadsAndCallsTheMediumsModules) {
  inktest::MediumMachine medium;
  medium.WriteMedium(std::string(inktest::kProgramInfo) + "[INSTALLER_FILE_INFO]\nINSTALLER_DLL = .\\data\\Run.dll\n");
  fs::copy_file(fs::path(INKTEST_MODULE_DIR) / "inktest_installer.so", medium.MediumDir() / "data" / "Run.dll");
  fs::copy_file(fs::path(INKTEST_MODULE_DIR) / "inktest_utility.so", medium.MediumDir() / "data" / "Ovutil.dll");
  const fs::path script = medium.temp().dir().parent_path() / "module-script.txt";
  std::ofstream(script) << "GetDevicePort.count=1\nGetDevicePort.texts=USB001\nGetDiskFreeSpaceOV.result=512\n";
  ::setenv("INKSTALL_TEST_MODULE_SCRIPT", script.c_str(), 1);

  auto owned = std::make_unique<CInstallerModules>();
  CInstallerModules& modules = *owned;
  CGlobalVariable environment(std::move(owned));
  modules.SetEnvironment(&environment);
  ASSERT_TRUE(environment.Init());

  EXPECT_EQ(modules.MyInstall("Software\\Maker\\Product\\Installing", "item", false), 1);
  std::vector<std::string> ports;
  EXPECT_EQ(environment.Modules().GetDevicePort("Maker", "Model", "VID_1&PID_2", ports), 1);
  EXPECT_EQ(ports, std::vector<std::string>{"USB001"});
  EXPECT_EQ(environment.Modules().GetDiskFreeSpaceOV("C:\\"), 512u);
  EXPECT_TRUE(medium.Logged("(C:\\Medium\\data\\Ovrmtint.dll) file does not exist."));
  EXPECT_TRUE(medium.Logged("Load Remote DLL fail ()"));
  EXPECT_TRUE(medium.Logged("Call GetDiskFreeSpaceOV(C:\\)"));
}

}  // namespace
