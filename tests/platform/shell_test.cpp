#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/errors.h"
#include "platform/shell.h"
#include "temp_machine.h"

namespace {

namespace fs = std::filesystem;
using platform::ShellRequest;

// Installs an opener that records the requests it gets, and restores the
// default at the end.
class RecordingOpener {
 public:
  explicit RecordingOpener(long answer = 0) {
    platform::SetShellOpener([this, answer](const ShellRequest& request) {
      requests_.push_back(request);
      return answer;
    });
  }
  ~RecordingOpener() { platform::SetShellOpener(nullptr); }
  const std::vector<ShellRequest>& requests() const { return requests_; }

 private:
  std::vector<ShellRequest> requests_;
};

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    temp_.WriteHostFile("drive_c/Docs/Manual.pdf", "%PDF");
    temp_.WriteHostFile("drive_c/Setup/run", "#!/bin/sh\nexit 9\n");
    fs::permissions(temp_.DriveC() / "Setup/run", fs::perms::owner_all);
  }
  inktest::TempMachine temp_;
};

TEST_F(ShellTest, DocumentsFoldersAndUrlsGoToTheOpener) {
  struct Case {
    ShellRequest request;
    const char* verb;       // as the opener sees it
    fs::path host_path;     // relative to the machine directory; empty for none
  };
  const Case cases[] = {
      {{"open", "C:\\Docs\\Manual.pdf", "/x", "C:\\Docs", {}}, "open", "drive_c/Docs/Manual.pdf"},
      {{"", "c:\\docs\\manual.PDF", "", "", {}}, "open", "drive_c/Docs/Manual.pdf"},
      {{"Print", "C:\\Docs\\Manual.pdf", "", "", {}}, "print", "drive_c/Docs/Manual.pdf"},
      {{"explore", "C:\\Docs\\", "", "", {}}, "explore", "drive_c/Docs"},
      {{"open", "http://example.com/a?b=c", "", "", {}}, "open", {}},
      {{"open", "mailto:x@example.com", "", "", {}}, "open", {}},
  };
  for (const auto& c : cases) {
    RecordingOpener opener;
    platform::Process process;
    ASSERT_EQ(platform::ShellExecute(c.request, &process), 0) << c.request.file;
    ASSERT_EQ(opener.requests().size(), 1u) << c.request.file;
    const ShellRequest& seen = opener.requests()[0];
    EXPECT_EQ(seen.verb, c.verb);
    EXPECT_EQ(seen.file, c.request.file);
    EXPECT_EQ(seen.parameters, c.request.parameters);
    EXPECT_EQ(seen.directory, c.request.directory);
    const fs::path expected_host = c.host_path.empty() ? fs::path() : temp_.dir() / c.host_path;
    EXPECT_EQ(seen.host_path.lexically_normal(), expected_host.lexically_normal())
        << c.request.file;
    EXPECT_FALSE(process.IsValid());
  }
}

TEST_F(ShellTest, MissingFilesAndOpenerFailuresAreReported) {
  struct Case {
    const char* file;
    long opener_answer;
    long error;
    bool reaches_opener;
  };
  const Case cases[] = {
      {"C:\\Docs\\Missing.pdf", 0, platform::kErrorFileNotFound, false},
      {"C:\\NoDir\\Manual.pdf", 0, platform::kErrorPathNotFound, false},
      {"Q:\\Manual.pdf", 0, platform::kErrorPathNotFound, false},
      {"", 0, platform::kErrorFileNotFound, false},
      {"C:\\Docs\\Manual.pdf", platform::kErrorNoAssociation, platform::kErrorNoAssociation, true},
  };
  for (const auto& c : cases) {
    RecordingOpener opener(c.opener_answer);
    EXPECT_EQ(platform::ShellExecute({"open", c.file, "", "", {}}, nullptr), c.error) << c.file;
    EXPECT_EQ(opener.requests().size(), c.reaches_opener ? 1u : 0u) << c.file;
  }
}

TEST_F(ShellTest, ProgramIsStartedAndCanBeWaitedFor) {
  RecordingOpener opener;
  platform::Process process;
  ASSERT_EQ(platform::ShellExecute({"open", "C:\\Setup\\run.exe", "/s", "", {}}, &process), 0);
  EXPECT_TRUE(opener.requests().empty());
  ASSERT_TRUE(process.IsValid());
  ASSERT_EQ(process.Wait(platform::kInfinite), 0);
  std::uint32_t code = 0;
  ASSERT_EQ(process.GetExitCode(code), 0);
  EXPECT_EQ(code, 9u);

  EXPECT_EQ(platform::ShellExecute({"", "C:\\Setup\\gone.exe", "", "", {}}, &process),
            platform::kErrorFileNotFound);
  EXPECT_TRUE(opener.requests().empty());
}

TEST_F(ShellTest, DefaultOpenerWithoutXdgOpenHasNoAssociation) {
  const fs::path empty_bin = temp_.dir() / "empty-bin";
  fs::create_directories(empty_bin);
  ::setenv("PATH", empty_bin.c_str(), 1);
  EXPECT_EQ(platform::ShellExecute({"open", "C:\\Docs\\Manual.pdf", "", "", {}}, nullptr),
            platform::kErrorNoAssociation);
  EXPECT_EQ(platform::ShellExecute({"open", "https://example.com", "", "", {}}, nullptr),
            platform::kErrorNoAssociation);
}

TEST_F(ShellTest, DefaultOpenerRunsXdgOpenOnTheHostPath) {
  const fs::path bin = temp_.dir() / "bin";
  const fs::path log = temp_.dir() / "opened.txt";
  temp_.WriteHostFile("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" > " + log.string() +
                                          ".part && mv " + log.string() + ".part " +
                                          log.string() + "\n");
  fs::permissions(bin / "xdg-open", fs::perms::owner_all);
  ::setenv("PATH", (bin.string() + ":/usr/bin:/bin").c_str(), 1);

  ASSERT_EQ(platform::ShellExecute({"open", "C:\\Docs\\Manual.pdf", "", "", {}}, nullptr), 0);
  // The opener is not waited for; its report appears when it has run.
  for (int tries = 0; tries < 1000 && !fs::exists(log); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::ifstream in(log);
  std::string opened;
  std::getline(in, opened);
  EXPECT_EQ(fs::path(opened).lexically_normal(),
            (temp_.DriveC() / "Docs/Manual.pdf").lexically_normal());
  EXPECT_EQ(platform::ShellExecute({"print", "C:\\Docs\\Manual.pdf", "", "", {}}, nullptr),
            platform::kErrorNoAssociation);
}

}  // namespace
