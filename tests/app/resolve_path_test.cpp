#include <gtest/gtest.h>

#include <string>

#include "app/global_variable.h"
#include "medium_machine.h"
#include "platform/module_file.h"

namespace {

TEST(ResolvePathTest, ProfileFileNamesBecomePathsOnTheMedium) {
  inktest::MediumMachine medium;
  medium.WriteMedium(inktest::kProgramInfo);
  CGlobalVariable environment;
  ASSERT_TRUE(environment.Init());
  struct Case {
    const char* name;
    const char* path;
  };
  const Case cases[] = {
      {"D:", "D:"},
      {"E:\\Drivers\\x.inf", "E:\\Drivers\\x.inf"},
      {"\\\\server\\share\\x.inf", "\\\\server\\share\\x.inf"},
      {"..\\Other\\x.inf", "C:\\Other\\x.inf"},
      {".\\data\\x.inf", "C:\\Medium\\data\\x.inf"},
      {"data\\x.inf", "C:\\Medium\\data\\x.inf"},
      {".x", "C:\\Mediumx"},
      {"x$SRC_DIR$y", "C:\\Medium\\xC:\\Mediumy"},
      {"", "C:\\Medium\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(environment.ResolvePath(c.name, false), c.path) << c.name;
}

TEST(ResolvePathTest, TheExistenceCheckWantsAFile) {
  inktest::MediumMachine medium;
  medium.WriteMedium(inktest::kProgramInfo);
  CGlobalVariable environment;
  ASSERT_TRUE(environment.Init());
  EXPECT_EQ(environment.ResolvePath(".\\SETUP.DAT", true), "C:\\Medium\\SETUP.DAT");
  EXPECT_EQ(environment.ResolvePath(".\\missing.dat", true), "");
  EXPECT_TRUE(medium.Logged("(C:\\Medium\\missing.dat) file does not exist."));
  EXPECT_EQ(environment.ResolvePath(".\\data", true), "");
}

TEST(ResolvePathTest, AMediumAtTheRootOfItsDrive) {
  inktest::MediumMachine medium([](platform::MachineConfig& config) {
    config.drives.push_back({'D', config.drives.front().host_dir / "Medium", platform::DriveKind::kCdRom});
  });
  medium.WriteMedium(inktest::kProgramInfo);
  platform::SetModuleFileName("D:\\setup.exe");
  CGlobalVariable environment;
  ASSERT_TRUE(environment.Init());
  EXPECT_EQ(environment.SourceDirectory(), "D:");
  EXPECT_EQ(platform::CurrentMachine().CurrentDirectory(), "D:\\");
  EXPECT_EQ(environment.Profiles().DataFile(), "D:\\setup.dat");
  EXPECT_EQ(environment.ResolvePath(".\\data\\x.inf", false), "D:\\data\\x.inf");
  EXPECT_EQ(environment.ResolvePath("..\\x.inf", false), "D:\\x.inf");
}

}  // namespace
