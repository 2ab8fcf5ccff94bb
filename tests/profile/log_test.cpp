#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"
#include "profile/format.h"
#include "profile/log.h"
#include "temp_machine.h"
#include "virtual_clock.h"

namespace {

// 2024-03-05 14:07:09 UTC, a Tuesday.
constexpr std::chrono::milliseconds kTime{1709647629000};

class LogTest : public ::testing::Test {
 protected:
  LogTest() {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    clock_.Advance(kTime);
  }

  static std::string Contents(const CLog& log) {
    std::string contents;
    EXPECT_EQ(platform::ReadWholeFile(log.Path(), contents), 0) << log.Path();
    return contents;
  }

  // The lines written after the header, without the time stamps.
  static std::vector<std::string> Lines(const CLog& log) {
    std::string contents = Contents(log);
    const auto body = contents.find("\r\n\r\n\r\n", contents.find("Data : "));
    std::vector<std::string> lines;
    std::istringstream stream(contents.substr(body + 6));
    for (std::string line; std::getline(stream, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }

  inktest::TempMachine machine_;
  inktest::VirtualClock clock_;
};

TEST_F(LogTest, EachRunGetsTheNextFreeName) {
  const std::string temp = platform::GetTempPath();
  const char* expected[] = {"setup.exe.log", "setup.exe0.log", "setup.exe1.log"};
  std::vector<std::unique_ptr<CLog>> logs;
  for (const char* name : expected) {
    logs.push_back(std::make_unique<CLog>("setup.exe"));
    EXPECT_EQ(logs.back()->Path(), temp + name);
    EXPECT_TRUE(platform::FileExists(temp + name));
  }
}

// Logs of earlier runs (and other files) already in the Temp folder.
TEST_F(LogTest, TheFirstNameNotTakenByEarlierRuns) {
  struct Case {
    std::vector<std::string> earlier;
    const char* expected;
  };
  std::vector<std::string> many = {"setup.exe.log"};
  for (int number = 0; number < 300; ++number) many.push_back(profile::Format("setup.exe%d.log", number));
  const Case cases[] = {
      {{},                                                  "setup.exe.log"},
      {many,                                                "setup.exe300.log"},
      {{"setup.exe.log", "setup.exe1.log"},                 "setup.exe0.log"},
      {{"SETUP.EXE.LOG", "Setup.Exe0.Log"},                 "setup.exe1.log"},
      {{"setup.exe.log", "setup.exe0.log.txt", "setup.exe0"}, "setup.exe0.log"},
      {{"other.exe.log", "setup.exe.log"},                  "setup.exe0.log"},
  };
  const std::string temp = platform::GetTempPath();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    std::vector<platform::FindData> old;
    platform::FindFiles(temp + "*", old);
    for (const platform::FindData& file : old) ASSERT_EQ(platform::DeleteFile(temp + file.name), 0);
    for (const std::string& name : c.earlier) ASSERT_EQ(platform::WriteWholeFile(temp + name, "earlier"), 0);
    CLog log("setup.exe");
    EXPECT_EQ(log.Path(), temp + c.expected);
    for (const std::string& name : c.earlier) {
      std::string contents;
      EXPECT_EQ(platform::ReadWholeFile(temp + name, contents), 0);
      EXPECT_EQ(contents, "earlier") << name;
    }
  }
}

TEST_F(LogTest, HeaderAndStampedLines) {
  CLog log("setup.exe");
  log.Write("Hello 100% %s %n");
  clock_.Advance(std::chrono::seconds(61));
  log.Write("Second");
  const std::string rule(60, '/');
  const std::string blank = "//" + std::string(56, ' ') + "//";
  const std::string expected = rule + "\r\n" + blank + "\r\n" +
                               "// Orvane Printer Installer Program" + std::string(23, ' ') + "//\r\n" +
                               blank + "\r\n" + rule + "\r\n\r\n" + "Data : Tuesday, March 05, 2024\r\n\r\n\r\n" +
                               "[14.07.09]  Hello 100% %s %n\r\n[14.08.10]  Second\r\n";
  EXPECT_EQ(Contents(log), expected);
}

TEST_F(LogTest, WriteErrorAddsTheSystemText) {
  CLog log("setup.exe");
  log.WriteError(0, "Nothing wrong");
  log.WriteError(5, "Open failed");
  const std::vector<std::string> lines = Lines(log);
  const std::vector<std::string> expected = {
      "[14.07.09]  Nothing wrong",
      "[14.07.09]  Open failed",
      "[14.07.09]  Error Code = 5 :" + platform::SystemErrorText(5).substr(0, platform::SystemErrorText(5).size() - 2),
      "",
  };
  EXPECT_EQ(lines, expected);
}

TEST_F(LogTest, LongLinesAreCut) {
  CLog log("setup.exe");
  log.Write(std::string(20000, 'x'));
  const std::vector<std::string> lines = Lines(log);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "[14.07.09]  " + std::string(CLog::kMaxLineText, 'x'));
}

TEST_F(LogTest, LinesFromManyThreadsAreAllWrittenWhole) {
  CLog log("setup.exe");
  constexpr int kThreads = 4;
  constexpr int kLines = 200;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&log, t] {
      for (int i = 0; i < kLines; ++i) log.Write(profile::Format("thread %d line %03d %s", t, i, std::string(50, 'z')));
    });
  }
  for (auto& thread : threads) thread.join();
  const std::vector<std::string> lines = Lines(log);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kThreads * kLines));
  std::vector<int> next(kThreads, 0);
  for (const std::string& line : lines) {
    int thread = -1;
    int number = -1;
    ASSERT_EQ(std::sscanf(line.c_str(), "[14.07.09]  thread %d line %d", &thread, &number), 2) << line;
    ASSERT_TRUE(line.ends_with(std::string(50, 'z'))) << line;
    EXPECT_EQ(number, next[thread]++);
  }
}

TEST_F(LogTest, NoFileWithoutAName) {
  CLog log("");
  EXPECT_FALSE(log.HasFile());
  log.Write("ignored");
  CLog none;
  EXPECT_FALSE(none.HasFile());
}

TEST_F(LogTest, GlobalLogIsSettable) {
  Log().Write("goes nowhere");
  EXPECT_FALSE(Log().HasFile());
  CLog log("setup.exe");
  SetLog(&log);
  Log().Write("through the accessor");
  SetLog(nullptr);
  EXPECT_EQ(Lines(log), std::vector<std::string>{"[14.07.09]  through the accessor"});
}

TEST(FormatTest, Conversions) {
  const struct {
    std::string result;
    const char* expected;
  } cases[] = {
      {profile::Format("[%s] Section found", "OPTION.W"), "[OPTION.W] Section found"},
      {profile::Format("// %-10s//", "abc"), "// abc       //"},
      {profile::Format("0X%04X%02X%02X", 2, 5, 1), "0X00020501"},
      {profile::Format("%d|%i|%u|%ld", -5, 7, 8u, 9L), "-5|7|8|9"},
      {profile::Format("%x %X %08x", 255, 255, -1), "ff FF ffffffff"},
      {profile::Format("%05d|%5d|%-5d|", -42, 42, 42), "-0042|   42|42   |"},
      {profile::Format("100%% %c", 'A'), "100% A"},
      {profile::Format("%s and %s", "one"), "one and "},
      {profile::Format("%s", std::string("%d %s %n")), "%d %s %n"},
      {profile::Format("%s", static_cast<const char*>(nullptr)), "(null)"},
      {profile::Format("%d", "text"), "text"},
      {profile::Format("trailing %"), "trailing "},
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, c.expected);
}

}  // namespace
