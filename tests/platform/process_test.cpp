#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/command_line.h"
#include "platform/errors.h"
#include "platform/process.h"
#include "temp_machine.h"

namespace {

namespace fs = std::filesystem;
using platform::Process;

// Writes a host file under drive C: with the given permission bits.
void PlaceFile(const inktest::TempMachine& temp, const std::string& relative,
               const std::string& contents, fs::perms perms) {
  temp.WriteHostFile(fs::path("drive_c") / relative, contents);
  fs::permissions(temp.DriveC() / relative, perms);
}

constexpr fs::perms kExecutable = fs::perms::owner_all | fs::perms::group_read;
constexpr fs::perms kPlain = fs::perms::owner_read | fs::perms::owner_write;

std::string ReadHost(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(CommandLineTest, SplitsLikeWindowsPrograms) {
  struct Case {
    const char* line;
    std::vector<std::string> arguments;
  };
  const Case cases[] = {
      {"", {}},
      {"  \t ", {}},
      {"/s", {"/s"}},
      {"a  b\tc", {"a", "b", "c"}},
      {"\"C:\\Program Files\\x\" /q", {"C:\\Program Files\\x", "/q"}},
      {"a\"b c\"d", {"ab cd"}},
      {"\"\"", {""}},
      {"\"\" x", {"", "x"}},
      {"\\\"a", {"\"a"}},
      {"a\\\\\\\\\"b c\"", {"a\\\\b c"}},
      {"a\\\\\\\"b", {"a\\\"b"}},
      {"C:\\dir\\ x", {"C:\\dir\\", "x"}},
      {"\"a\"\"b\"", {"a\"b"}},
      {"\"unterminated arg", {"unterminated arg"}},
      {"/P\"C:\\Inst\\Install\" /I0x1a2b", {"/PC:\\Inst\\Install", "/I0x1a2b"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::SplitCommandLine(c.line), c.arguments) << c.line;
  }
}

TEST(ProcessTest, StartAndWaitReadsTheExitCode) {
  inktest::TempMachine temp;
  PlaceFile(temp, "Tools/quit", "#!/bin/sh\nexit 7\n", kExecutable);
  Process process;
  ASSERT_EQ(platform::StartProcess("C:\\Tools\\quit.exe", "", "", process), 0);
  EXPECT_GT(process.Id(), 0);
  ASSERT_EQ(process.Wait(platform::kInfinite), 0);
  std::uint32_t code = 0;
  ASSERT_EQ(process.GetExitCode(code), 0);
  EXPECT_EQ(code, 7u);
}

TEST(ProcessTest, ChildGetsArgumentsDirectoryAndMachine) {
  inktest::TempMachine temp;
  PlaceFile(temp, "Tools/report.exe",
            "#!/bin/sh\nprintf '%s\\n' \"$PWD\" \"$INKSTALL_MACHINE\" \"$@\" > report.txt\n",
            kExecutable);
  fs::create_directories(temp.DriveC() / "Work Dir");
  Process process;
  ASSERT_EQ(platform::StartProcess("C:\\Tools\\report.exe",
                                   "\"two words\" /P\"C:\\Inst\" say\\\"hi", "C:\\Work Dir",
                                   process),
            0);
  ASSERT_EQ(process.Wait(platform::kInfinite), 0);
  const std::string expected = fs::canonical(temp.DriveC() / "Work Dir").string() + "\n" +
                               temp.dir().string() + "\ntwo words\n/PC:\\Inst\nsay\"hi\n";
  EXPECT_EQ(ReadHost(temp.DriveC() / "Work Dir" / "report.txt"), expected);
}

TEST(ProcessTest, ProgramLookupAndErrors) {
  inktest::TempMachine temp;
  PlaceFile(temp, "Tools/both.exe", "#!/bin/sh\nexit 1\n", kExecutable);
  PlaceFile(temp, "Tools/both", "#!/bin/sh\nexit 2\n", kExecutable);
  PlaceFile(temp, "Tools/script", "#!/bin/sh\nexit 3\n", kExecutable);
  PlaceFile(temp, "Tools/plain.exe", "#!/bin/sh\nexit 4\n", kPlain);
  PlaceFile(temp, "Tools/fallback.exe", "MZ not for this host", kPlain);
  PlaceFile(temp, "Tools/fallback", "#!/bin/sh\nexit 5\n", kExecutable);
  PlaceFile(temp, "Tools/garbage.exe", std::string("MZ\x90\0\3\0\0\0", 8), kExecutable);
  PlaceFile(temp, "Tools/batch.cmd", "#!/bin/sh\nexit 6\n", kExecutable);
  PlaceFile(temp, "Windows/System32/systool", "#!/bin/sh\nexit 8\n", kExecutable);
  fs::create_directories(temp.DriveC() / "Tools" / "folder.exe");

  struct Case {
    const char* program;
    const char* directory;
    long error;
    std::uint32_t exit_code;
  };
  const Case cases[] = {
      {"C:\\Tools\\both.exe", "", 0, 1},      // the name itself first
      {"C:\\Tools\\script.exe", "", 0, 3},    // the name without ".exe"
      {"c:/tools/SCRIPT.EXE", "", 0, 3},      // letter case and separators
      {"C:\\Tools\\fallback.exe", "", 0, 5},  // a non-executable "x.exe" beside "x"
      {"C:\\Tools\\batch.cmd", "", 0, 6},
      {"systool.exe", "", 0, 8},              // a bare name from the system directory
      {"C:\\Tools\\plain.exe", "", platform::kErrorBadExeFormat, 0},
      {"C:\\Tools\\garbage.exe", "", platform::kErrorBadExeFormat, 0},
      {"C:\\Tools\\folder.exe", "", platform::kErrorFileNotFound, 0},
      {"C:\\Tools\\missing.exe", "", platform::kErrorFileNotFound, 0},
      {"nowhere.exe", "", platform::kErrorFileNotFound, 0},
      {"", "", platform::kErrorFileNotFound, 0},
      {"C:\\NoDir\\x.exe", "", platform::kErrorPathNotFound, 0},
      {"Q:\\x.exe", "", platform::kErrorPathNotFound, 0},
      {"C:\\Tools\\script.exe", "C:\\NoDir", platform::kErrorDirectory, 0},
      {"C:\\Tools\\script.exe", "C:\\Tools\\both", platform::kErrorDirectory, 0},
  };
  for (const auto& c : cases) {
    Process process;
    EXPECT_EQ(platform::StartProcess(c.program, "", c.directory, process), c.error)
        << c.program << " in " << c.directory;
    EXPECT_EQ(process.IsValid(), c.error == 0) << c.program;
    if (!process.IsValid()) continue;
    std::uint32_t code = 0;
    ASSERT_EQ(process.Wait(platform::kInfinite), 0);
    ASSERT_EQ(process.GetExitCode(code), 0);
    EXPECT_EQ(code, c.exit_code) << c.program;
  }
}

TEST(ProcessTest, WaitTimesOutWhileTheProgramRuns) {
  inktest::TempMachine temp;
  PlaceFile(temp, "Tools/slow", "#!/bin/sh\nsleep 1\nexit 3\n", kExecutable);
  Process process;
  ASSERT_EQ(platform::StartProcess("C:\\Tools\\slow.exe", "", "", process), 0);
  EXPECT_EQ(process.Wait(50), platform::kErrorWaitTimeout);
  std::uint32_t code = 0;
  ASSERT_EQ(process.GetExitCode(code), 0);
  EXPECT_EQ(code, platform::kStillActive);

  // A copy of the handle waited on by another thread sees the same end.
  std::uint32_t other_code = 0;
  std::thread other([copy = process, &other_code] {
    if (copy.Wait(platform::kInfinite) == 0) copy.GetExitCode(other_code);
  });
  EXPECT_EQ(process.Wait(platform::kInfinite), 0);
  other.join();
  ASSERT_EQ(process.GetExitCode(code), 0);
  EXPECT_EQ(code, 3u);
  EXPECT_EQ(other_code, 3u);
  EXPECT_EQ(process.Wait(0), 0);
}

TEST(ProcessTest, ProgramEndedBySignalReportsIt) {
  inktest::TempMachine temp;
  PlaceFile(temp, "Tools/crash", "#!/bin/sh\nkill -KILL $$\n", kExecutable);
  Process process;
  ASSERT_EQ(platform::StartProcess("C:\\Tools\\crash.exe", "", "", process), 0);
  ASSERT_EQ(process.Wait(platform::kInfinite), 0);
  std::uint32_t code = 0;
  ASSERT_EQ(process.GetExitCode(code), 0);
  EXPECT_EQ(code, 128u + SIGKILL);
}

TEST(ProcessTest, EmptyHandleIsInvalid) {
  Process process;
  std::uint32_t code = 0;
  EXPECT_EQ(process.Wait(0), platform::kErrorInvalidHandle);
  EXPECT_EQ(process.GetExitCode(code), platform::kErrorInvalidHandle);
  EXPECT_EQ(process.Id(), 0);
}

}  // namespace
