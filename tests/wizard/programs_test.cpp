#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "command_fixture.h"

namespace {

namespace fs = std::filesystem;
using inktest::CommandTest;
using namespace std::chrono_literals;

constexpr auto kProgramTimeout = 20s;

// The body of a program of the machine that notes its arguments in the
// file "<program>.args", whole once it exists.
const std::string kNoteArguments = "printf '%s\\n' \"$*\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"";
// A program that notes its directory and arguments and ends once the test
// creates its release file.
const std::string kHeldProgram =
    "pwd > \"$0.cwd\"\n" + kNoteArguments + "\nwhile [ ! -e \"$0.release\" ]; do sleep 0.02; done";

// Waits until the host file `path` exists.
bool AppearsWithin(const fs::path& path, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!fs::exists(path)) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

class ProgramTest : public CommandTest {
 protected:
  fs::path HostFile(const std::string& windows_relative) { return medium_.temp().DriveC() / windows_relative; }
  void Release(const std::string& program) { std::ofstream(HostFile(program + ".release")) << "go"; }
  // Whether the program has noted its arguments, which it does first.
  bool Started(const std::string& program) { return AppearsWithin(HostFile(program + ".args"), kProgramTimeout); }
};

TEST_F(ProgramTest, WaitingForARealProgramKeepsTheWindowsDisabledUntilItEnds) {
  WriteProgram("Medium/Setup/x.exe", kHeldProgram);
  Start();
  bool result = false;
  RunLogged("CT_EXE_FILE_WAIT = .\\Setup\\x.exe, /s", &result);
  EXPECT_TRUE(result);
  ASSERT_TRUE(Started("Medium/Setup/x.exe"));
  EXPECT_EQ(ReadDriveC("Medium/Setup/x.exe.args"), "/s\n");
  const std::string cwd = ReadDriveC("Medium/Setup/x.exe.cwd");
  EXPECT_EQ(fs::canonical(cwd.substr(0, cwd.find('\n'))), fs::canonical(HostFile("Medium/Setup")));
  EXPECT_EQ(host_.Calls(), std::vector<std::string>{"DisableWindows"});
  Release("Medium/Setup/x.exe");
  ASSERT_TRUE(host_.WaitForEndWait(1, kProgramTimeout));
  EXPECT_EQ(host_.Calls(), (std::vector<std::string>{"DisableWindows", "EndWait(front)"}));
}

TEST_F(ProgramTest, TwoWaitsInOneSectionEnableTheWindowsOnceBothEnded) {
  WriteProgram("Medium/quick.exe", kNoteArguments);
  WriteProgram("Medium/held.exe", kHeldProgram);
  Start("", "[TWO]\nCT_EXE_FILE_WAIT = quick.exe, 1\nCT_EXE_FILE_ACTIVE = held.exe, 2\n");
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_COMMAND = TWO"));
  ASSERT_TRUE(Started("Medium/quick.exe"));
  ASSERT_TRUE(Started("Medium/held.exe"));
  // Long enough for the end of the quick program to be seen.
  std::this_thread::sleep_for(3 * std::chrono::milliseconds(wizard::CProgramWaiter::kWatchStepMs));
  EXPECT_EQ(host_.Calls(), (std::vector<std::string>{"DisableWindows", "DisableWindows"}));
  Release("Medium/held.exe");
  ASSERT_TRUE(host_.WaitForEndWait(1, kProgramTimeout));
  // The quick program asked for the front; the held one did not.
  EXPECT_EQ(host_.Calls(), (std::vector<std::string>{"DisableWindows", "DisableWindows", "EndWait(front)"}));

  // A wait after that starts afresh.
  fs::remove(HostFile("Medium/held.exe.release"));
  fs::remove(HostFile("Medium/held.exe.args"));
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_EXE_FILE_ACTIVE = held.exe"));
  ASSERT_TRUE(Started("Medium/held.exe"));
  Release("Medium/held.exe");
  ASSERT_TRUE(host_.WaitForEndWait(2, kProgramTimeout));
  EXPECT_EQ(host_.Calls(), (std::vector<std::string>{"DisableWindows", "DisableWindows", "EndWait(front)",
                                                     "DisableWindows", "EndWait"}));
}

TEST_F(ProgramTest, StartingWithoutWaitingAndWhatStopsAStart) {
  WriteProgram("Medium/Setup/run.exe", kNoteArguments);
  medium_.temp().WriteHostFile("drive_c/Medium/Setup/broken.exe", "not a program");
  Start();
  struct Case {
    const char* line;
    bool result;
    const char* logged;       // a line the command logs, or null
    const char* box_caption;  // the caption of the error box, or null
  };
  const Case cases[] = {
      {"CT_EXE_FILE_NOWAIT = $SRC_DIR$\\Setup\\run.exe, $LANG_ABBR$ x", true, nullptr, nullptr},
      {"CT_EXE_FILE_NOWAIT = .\\Setup\\missing.exe", false, "(C:\\Medium\\Setup\\missing.exe) file does not exist.",
       nullptr},
      {"CT_EXE_FILE_NOWAIT = .\\Setup\\broken.exe", false, nullptr, "C:\\Medium\\Setup\\broken.exe"},
      {"CT_EXE_FILE_WAIT = .\\Setup\\missing.exe", true, nullptr, nullptr},
      {"CT_EXE_FILE_ACTIVE = .\\Setup\\broken.exe", true, nullptr, "C:\\Medium\\Setup\\broken.exe"},
  };
  for (const Case& c : cases) {
    boxes_.clear();
    bool result = !c.result;
    const auto lines = RunLogged(c.line, &result);
    EXPECT_EQ(result, c.result) << c.line;
    if (c.logged) {
      EXPECT_NE(std::find(lines.begin(), lines.end(), c.logged), lines.end()) << c.line;
    }
    ASSERT_EQ(boxes_.size(), c.box_caption ? 1u : 0u) << c.line;
    if (c.box_caption) {
      EXPECT_EQ(boxes_[0].caption, c.box_caption);
    }
  }
  ASSERT_TRUE(Started("Medium/Setup/run.exe"));
  EXPECT_EQ(ReadDriveC("Medium/Setup/run.exe.args"), "EN x\n");
  EXPECT_TRUE(host_.Calls().empty()) << "nothing to wait for, nothing disabled";
}

TEST_F(ProgramTest, StartAndTerminateEndsTheApplicationOnlyWhenStarted) {
  WriteProgram("Medium/next.exe", kNoteArguments);
  Start();
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_EXE_AND_TERMINATE = missing.exe"));
  EXPECT_TRUE(host_.Calls().empty());
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_EXE_AND_TERMINATE = next.exe"));
  EXPECT_EQ(host_.Calls(), std::vector<std::string>{"Quit"});
  EXPECT_FALSE(end_of_run_.calls.empty());
  EXPECT_TRUE(Started("Medium/next.exe"));
}

TEST_F(ProgramTest, OpeningFilesAndFolders) {
  medium_.Write("ReadMe.txt", "read me");
  medium_.Write("data/Manual/x.txt", "");
  Start();
  struct Case {
    const char* line;
    long opener_answer;
    bool result;
    const char* opened;       // the Windows path the opener got, or null
    const char* box_caption;  // the caption of the error box, or null
    const char* logged;       // a line logged, or null
  };
  const Case cases[] = {
      {"CT_OPEN_FILE_NOWAIT = .\\ReadMe.txt", 0, true, "C:\\Medium\\ReadMe.txt", nullptr, nullptr},
      {"CT_OPEN_FILE_WAIT = ReadMe.txt", 0, true, "C:\\Medium\\ReadMe.txt", nullptr, nullptr},
      {"CT_OPEN_FILE_NOWAIT = .\\Missing.txt", 0, false, nullptr, nullptr, nullptr},
      {"CT_OPEN_FILE_NOWAIT = .\\ReadMe.txt", 1155, true, "C:\\Medium\\ReadMe.txt", "C:\\Medium\\ReadMe.txt", nullptr},
      {"CT_OPEN_BROWSE", 0, true, "C:\\", nullptr, "Open Browse : C:\\"},
      {"CT_OPEN_BROWSE = $SRC_DIR$\\data\\Manual", 0, true, "C:\\Medium\\data\\Manual\\", nullptr,
       "Open Browse : C:\\Medium\\data\\Manual\\"},
      {"CT_OPEN_BROWSE = .\\data\\", 0, true, "C:\\Medium\\data\\", nullptr, "Open Browse : C:\\Medium\\data\\"},
      {"CT_OPEN_BROWSE = .\\Nowhere", 0, true, nullptr, "C:\\Medium\\Nowhere\\", nullptr},
  };
  for (const Case& c : cases) {
    opened_.clear();
    boxes_.clear();
    opener_answer_ = c.opener_answer;
    bool result = !c.result;
    const auto lines = RunLogged(c.line, &result);
    EXPECT_EQ(result, c.result) << c.line;
    ASSERT_EQ(opened_.size(), c.opened ? 1u : 0u) << c.line;
    if (c.opened) {
      EXPECT_EQ(opened_[0].file, c.opened) << c.line;
      EXPECT_EQ(opened_[0].verb, "open") << c.line;
    }
    ASSERT_EQ(boxes_.size(), c.box_caption ? 1u : 0u) << c.line;
    if (c.box_caption) {
      EXPECT_EQ(boxes_[0].caption, c.box_caption) << c.line;
    }
    if (c.logged) {
      EXPECT_NE(std::find(lines.begin(), lines.end(), c.logged), lines.end()) << c.line;
    }
  }
  EXPECT_TRUE(host_.Calls().empty());
}

TEST_F(ProgramTest, AddressesGoToTheBrowserElseToTheirHandler) {
  Start();
  bool result = false;
  auto lines = RunLogged("CT_OPEN_URL = http://example.invalid/a?b=c", &result);
  EXPECT_TRUE(result);
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0].file, "http://example.invalid/a?b=c");
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[1], "Open IEXPLORE.EXE");
  EXPECT_TRUE(lines[2].starts_with("Error Code = 2 :")) << lines[2];

  opener_answer_ = 1155;
  lines = RunLogged("CT_OPEN_URL = http://example.invalid/", &result);
  EXPECT_FALSE(result);
  EXPECT_EQ(lines.back(), "") << "the line ends in its own line break";
  EXPECT_NE(std::find(lines.begin(), lines.end(), "There is no association for the specified file type."), lines.end());

  opened_.clear();
  WriteProgram("Windows/IEXPLORE.EXE", kNoteArguments);
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_OPEN_URL = http://example.invalid/page"));
  EXPECT_TRUE(opened_.empty());
  ASSERT_TRUE(AppearsWithin(HostFile("Windows/IEXPLORE.EXE.args"), kProgramTimeout));
  EXPECT_EQ(ReadDriveC("Windows/IEXPLORE.EXE.args"), "http://example.invalid/page\n");
}

TEST_F(ProgramTest, ManualsOpenThroughTheOpenerAndAreWaitedFor) {
  medium_.Write("Manual/Guide.pdf", "%PDF");
  WriteProgram("Medium/data/Ovopen.exe", kHeldProgram);
  Start();
  EXPECT_TRUE(Interpreter().RunCommandLine("CT_OPEN_MANUAL = $SRC_DIR$\\Manual\\Guide.pdf, /page=2"));
  ASSERT_TRUE(Started("Medium/data/Ovopen.exe"));
  EXPECT_EQ(ReadDriveC("Medium/data/Ovopen.exe.args"), "/T C:\\Medium\\Manual\\Guide.pdf /page=2\n");
  EXPECT_TRUE(opened_.empty());
  EXPECT_EQ(host_.Calls(), std::vector<std::string>{"DisableWindows"});
  Release("Medium/data/Ovopen.exe");
  ASSERT_TRUE(host_.WaitForEndWait(1, kProgramTimeout));
  EXPECT_EQ(host_.Calls().back(), "EndWait");
  EXPECT_FALSE(Interpreter().RunCommandLine("CT_OPEN_MANUAL = Manual\\Missing.pdf"));
}

TEST_F(ProgramTest, WithoutTheOpenerAManualOpensByItself) {
  medium_.Write("Manual/Guide.pdf", "%PDF");
  Start();
  bool result = false;
  const auto lines = RunLogged("CT_OPEN_MANUAL = Manual\\Guide.pdf", &result);
  EXPECT_TRUE(result);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Open Manual"), lines.end());
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0].file, "C:\\Medium\\Manual\\Guide.pdf");
  EXPECT_TRUE(boxes_.empty());
  opener_answer_ = 1155;
  EXPECT_FALSE(Interpreter().RunCommandLine("CT_OPEN_MANUAL = Manual\\Guide.pdf"));
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].caption, "C:\\Medium\\Manual\\Guide.pdf");
  EXPECT_TRUE(host_.Calls().empty());
}

}  // namespace
