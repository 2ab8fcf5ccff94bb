#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/medium_drive.h"
#include "app/setup_options.h"
#include "platform/instance_lock.h"
#include "temp_machine.h"

namespace {

namespace fs = std::filesystem;

TEST(SetupOptionsTest, OwnOptionsAreTakenOutOfTheCommandLine) {
  struct Case {
    std::vector<std::string> arguments;
    bool parsed;
    const char* machine;
    const char* medium;
    const char* name;
    const char* screenshot;
    const char* stop_after_pages;
    std::vector<std::string> rest;
  };
  const Case cases[] = {
      {{"--machine", "m", "/S", "--medium=d", "-L", "0x0407", "--name", "setup2", "--screenshot", "p"}, true, "m", "d",
       "setup2", "p", "",
       {"/S", "-L", "0x0407"}},
      {{"--stop-after-pages=2", "/U"}, true, "", "", "", "", "2", {"/U"}},
      {{"/U"}, true, "", "", "", "", "", {"/U"}},
      {{"--medium"}, false, "", "", "", "", "", {}},
      {{"--medium="}, false, "", "", "", "", "", {}},
      {{"--stop-after-pages="}, false, "", "", "", "", "", {}},
      {{"--silent"}, false, "", "", "", "", "", {}},
      {{"--"}, false, "", "", "", "", "", {}},
  };
  for (const Case& c : cases) {
    app::SetupOptions options;
    std::string error;
    EXPECT_EQ(app::ParseSetupOptions(c.arguments, options, error), c.parsed) << c.arguments.front();
    EXPECT_EQ(error.empty(), c.parsed) << error;
    if (!c.parsed) continue;
    EXPECT_EQ(options.machine, c.machine);
    EXPECT_EQ(options.medium, c.medium);
    EXPECT_EQ(options.name, c.name);
    EXPECT_EQ(options.screenshot, c.screenshot);
    EXPECT_EQ(options.stop_after_pages, c.stop_after_pages);
    EXPECT_EQ(options.installer_arguments, c.rest);
  }
}

TEST(MediumDriveTest, AMediumInsideADriveUsesItOthersBecomeCdRomDrives) {
  inktest::TempMachine temp;
  platform::Machine& machine = temp.machine();
  const fs::path inside = temp.DriveC() / "Media" / "Demo";
  const fs::path outside = temp.dir().parent_path() / "disc";
  const fs::path second = temp.dir().parent_path() / "disc2";
  for (const fs::path& dir : {inside, outside, second}) fs::create_directories(dir);
  struct Case {
    fs::path medium;
    const char* windows_path;
  };
  const Case cases[] = {
      {inside, "C:\\Media\\Demo"},
      {outside, "D:\\"},
      {outside / "." , "D:\\"},  // the same medium again
      {second, "E:\\"},
  };
  for (const Case& c : cases) {
    std::string path;
    std::string error;
    ASSERT_TRUE(app::MapMedium(machine, c.medium, path, error)) << error;
    EXPECT_EQ(path, c.windows_path) << c.medium;
  }
  std::string error;
  auto reopened = platform::Machine::Open(temp.dir(), &error);
  ASSERT_TRUE(reopened) << error;
  ASSERT_NE(reopened->FindDrive('D'), nullptr);
  EXPECT_EQ(reopened->FindDrive('D')->kind, platform::DriveKind::kCdRom);
  EXPECT_EQ(reopened->FindDrive('D')->host_dir, outside);
  std::string path;
  EXPECT_FALSE(app::MapMedium(machine, temp.dir().parent_path() / "missing", path, error));
  EXPECT_NE(error.find("not a directory"), std::string::npos) << error;
}

// How a run of the setup program sees the window system: as the prefix of
// its command.
constexpr const char* kOffscreen = "QT_QPA_PLATFORM=offscreen ";
constexpr const char* kNoDisplay = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY ";
// An X display that nobody serves, as a remote session may leave behind.
constexpr const char* kDeadDisplay = "env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:4711 ";

// Runs the setup program with `arguments` and `environment` before it; its
// exit status and what it wrote to standard output and standard error.
struct SetupRun {
  int status = -1;
  std::string output;
};

SetupRun RunSetup(const std::string& arguments, const std::string& environment = kOffscreen) {
  const char* bin = std::getenv("INKSTALL_BIN_DIR");
  const std::string command = environment + std::string(bin ? bin : ".") + "/setup " + arguments + " 2>&1";
  SetupRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, read);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

std::string ReadHostFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SetupProgramTest, WalksTheDemoMediumsPagesAndSavesEachAsAPicture) {
  inktest::TempMachine temp([](platform::MachineConfig& config) { config.ui_language = 0x0C07; });
  const fs::path pictures = temp.dir().parent_path() / "pictures";
  const SetupRun run = RunSetup("--machine " + Quoted(temp.dir()) + " --medium " + Quoted(INKSTALL_DEMO_MEDIUM) +
                                " --screenshot " + Quoted(pictures));
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "");
  std::vector<std::string> saved;
  for (const auto& entry : fs::directory_iterator(pictures)) saved.push_back(entry.path().filename().string());
  std::sort(saved.begin(), saved.end());
  ASSERT_GE(saved.size(), 4u);
  EXPECT_EQ(saved[0], "01-BACKGROUND.DEMO.png");
  EXPECT_EQ(saved[1], "02-INIT_WINDOW.png");
  EXPECT_EQ(saved[2], "03-NORMAL.WELCOME.png");
  const fs::path log = temp.DriveC() / "Users" / "User" / "AppData" / "Local" / "Temp" / "setup.exe.log";
  const std::string text = ReadHostFile(log);
  for (const char* line : {" m_cstrDataFile file name is [D:\\setup.dat]\n",
                           " Language Abbreviation = GR\n",
                           " OS String = W10_64\n",
                           "Start Section is [INSTALL_START_INFO]",
                           "Start installation",
                           "End of installation"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

TEST(SetupProgramTest, TheWizardCallsThePreInstallerWithItsWindowWhenTheMediumHasOne) {
  inktest::TempMachine temp;
  const fs::path medium = temp.dir().parent_path() / "medium";
  fs::copy(INKSTALL_DEMO_MEDIUM, medium, fs::copy_options::recursive);
  const fs::path calls = temp.dir().parent_path() / "module-calls.txt";
  const std::string environment = std::string(kOffscreen) + "INKSTALL_TEST_MODULE_CALLS=" + Quoted(calls) + " ";
  const std::string arguments = "--machine " + Quoted(temp.dir()) + " --medium " + Quoted(medium) +
                                " --stop-after-pages 1";
  // Without the module the call is only logged.
  SetupRun run = RunSetup(arguments, environment);
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "setup: stopped after 1 pages\n");
  EXPECT_FALSE(fs::exists(calls));
  const fs::path temp_folder = temp.DriveC() / "Users" / "User" / "AppData" / "Local" / "Temp";
  EXPECT_NE(ReadHostFile(temp_folder / "setup.exe.log").find("Call Pre-Installer : Command ==> /P D:\\setup.dat"),
            std::string::npos);

  fs::copy_file(fs::path(INKTEST_MODULE_DIR) / "inktest_preinstaller.so", medium / "data" / "OVpre.dll");
  run = RunSetup(arguments, environment);
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string call = ReadHostFile(calls);
  const std::string expected = "Preinstall(/P D:\\setup.dat /S D: /D C:\\Program Files (x86)\\Inkstall Demo\\";
  ASSERT_TRUE(call.starts_with(expected)) << call;
  const std::size_t comma = call.rfind(',');
  ASSERT_NE(comma, std::string::npos) << call;
  EXPECT_NE(std::strtoull(call.c_str() + comma + 1, nullptr, 10), 0u) << "the wizard's window: " << call;
  EXPECT_NE(ReadHostFile(temp_folder / "setup.exe0.log").find("Call Preinstall("), std::string::npos);
}

TEST(SetupProgramTest, WithoutADisplayOnlyTheWizardFails) {
  inktest::TempMachine temp;
  const std::string arguments = "--machine " + Quoted(temp.dir()) + " --medium " + Quoted(INKSTALL_DEMO_MEDIUM);
  const SetupRun wizard = RunSetup(arguments, kNoDisplay);
  EXPECT_EQ(wizard.status, 9) << wizard.output;
  EXPECT_TRUE(wizard.output.starts_with("setup: no display for the wizard")) << wizard.output;
  EXPECT_EQ(std::count(wizard.output.begin(), wizard.output.end(), '\n'), 1) << wizard.output;
  // A removal without windows needs no display, nor one that answers: the
  // demo has nothing to remove.
  for (const char* environment : {kNoDisplay, kDeadDisplay}) {
    const SetupRun silent = RunSetup(arguments + " /S /D", environment);
    EXPECT_EQ(silent.status, 0) << environment << silent.output;
  }
}

TEST(SetupProgramTest, ASecondStartOfAnInstallerSaysAnotherRuns) {
  inktest::TempMachine temp;
  platform::NamedMutex first;
  ASSERT_EQ(first.Create("Demo Printer Software Installer Program"), 0);
  const SetupRun run = RunSetup("--machine " + Quoted(temp.dir()) + " --medium " + Quoted(INKSTALL_DEMO_MEDIUM));
  EXPECT_EQ(run.status, 3) << run.output;
  EXPECT_TRUE(run.output.starts_with("setup: another installer of this product is running")) << run.output;
}

// Offscreen nobody could answer a box: the question is logged and the run
// ends instead of waiting for ever.
TEST(SetupProgramTest, AQuestionOnAScreenNobodySeesIsLoggedNotShown) {
  inktest::TempMachine temp([](platform::MachineConfig& config) { config.is_administrator = false; });
  const SetupRun run = RunSetup("--machine " + Quoted(temp.dir()) + " --medium " + Quoted(INKSTALL_DEMO_MEDIUM),
                                std::string(kOffscreen) + "timeout 60 ");
  EXPECT_EQ(run.status, 4) << run.output;
  EXPECT_TRUE(run.output.starts_with("setup: the installer must run as an administrator")) << run.output;
  const fs::path log = temp.DriveC() / "Users" / "User" / "AppData" / "Local" / "Temp" / "setup.exe.log";
  EXPECT_NE(ReadHostFile(log).find("Message Box ["), std::string::npos);
}

TEST(SetupProgramTest, FailuresGiveOneLineAndANonZeroStatus) {
  inktest::TempMachine temp;
  const fs::path empty_medium = temp.dir().parent_path() / "empty-medium";
  fs::create_directories(empty_medium);
  const std::string machine = "--machine " + Quoted(temp.dir());
  const std::string cases[] = {
      machine + " --medium " + Quoted(temp.dir().parent_path() / "missing"),
      machine + " --medium " + Quoted(empty_medium),
      machine + " --unknown",
  };
  for (const std::string& arguments : cases) {
    const SetupRun run = RunSetup(arguments);
    EXPECT_NE(run.status, 0) << arguments;
    EXPECT_TRUE(run.output.starts_with("setup: ")) << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
  }
}

}  // namespace
