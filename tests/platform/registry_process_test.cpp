#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "registry_fixture.h"

namespace {

using namespace platform;

constexpr int kWrites = 1000;

// A registry-writer process (tests/platform/registry_writer.cpp) with pipes
// to start it and to follow its progress.
class WriterProcess {
 public:
  WriterProcess(const std::filesystem::path& machine, const std::string& key,
                const std::string& prefix, int count) {
    // Next to this test program, unless ctest names the directory.
    const char* bin = std::getenv("INKSTALL_BIN_DIR");
    const std::filesystem::path dir = bin ? std::filesystem::path(bin)
                                          : std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::string program = dir / "registry-writer";
    int go[2], progress[2];
    if (::pipe(go) != 0 || ::pipe(progress) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(go[0], STDIN_FILENO);
      ::dup2(progress[1], STDOUT_FILENO);
      for (int fd : {go[0], go[1], progress[0], progress[1]}) ::close(fd);
      const std::string n = std::to_string(count);
      ::execl(program.c_str(), program.c_str(), machine.c_str(), key.c_str(), prefix.c_str(),
              n.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(go[0]);
    ::close(progress[1]);
    go_ = go[1];
    progress_ = progress[0];
  }
  ~WriterProcess() {
    if (pid_ > 0 && !reaped_) {
      ::kill(pid_, SIGKILL);
      Wait();
    }
    ::close(go_);
    ::close(progress_);
  }

  bool started() const { return pid_ > 0; }
  void Go() { ASSERT_EQ(::write(go_, "g", 1), 1); }
  // Blocks until the writer reports `writes` finished writes; false when it
  // ended before.
  bool AwaitWrites(int writes) {
    char buffer[64];
    for (int seen = 0; seen < writes;) {
      const ssize_t n = ::read(progress_, buffer, std::min<ssize_t>(sizeof buffer, writes - seen));
      if (n <= 0) return false;
      seen += static_cast<int>(n);
    }
    return true;
  }
  void Kill() { ::kill(pid_, SIGKILL); }
  // The raw wait status.
  int Wait() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    reaped_ = true;
    return status;
  }

 private:
  pid_t pid_ = -1;
  bool reaped_ = false;
  int go_ = -1;
  int progress_ = -1;
};

// How many of the DWORD values `prefix`0, `prefix`1, ... of `key` are
// present from 0 on, each holding its number; -1 for a wrong value.
int PresentFromZero(RegKey key, const std::string& prefix) {
  for (int i = 0; i < kWrites; ++i) {
    const std::string name = prefix + std::to_string(i);
    std::uint32_t data = 0, size = sizeof data;
    const long result = RegQueryValueEx(key, name.c_str(), nullptr, &data, &size);
    if (result == 2) return i;
    if (result != 0 || data != static_cast<std::uint32_t>(i)) return -1;
  }
  return kWrites;
}

std::uint32_t ValueCount(RegKey key) {
  RegKeyInfo info;
  EXPECT_EQ(RegQueryInfoKey(key, &info), 0);
  return info.values;
}

std::string IntegrityCheck(const std::filesystem::path& file) {
  sqlite3* db = nullptr;
  std::string answer = "cannot open";
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr);
    if (sqlite3_step(statement) == SQLITE_ROW) {
      answer = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
  return answer;
}

TEST(RegistryProcessTest, WriterKilledMidwayLeavesAPrefixOfItsWrites) {
  inktest::TempMachine temp;
  // The kill should land before the thousandth write; on a slow, busy
  // machine the writer may finish first, so it gets a few tries.
  bool killed_midway = false;
  for (int attempt = 0; attempt < 5 && !killed_midway; ++attempt) {
    const std::string key = "Software\\Killed" + std::to_string(attempt);
    WriterProcess writer(temp.dir(), key, "v", kWrites);
    ASSERT_TRUE(writer.started());
    writer.Go();
    ASSERT_TRUE(writer.AwaitWrites(kWrites / 10));
    writer.Kill();
    const int status = writer.Wait();
    ASSERT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0));

    EXPECT_EQ(IntegrityCheck(temp.machine().RegistryDatabase()), "ok");
    RegKey written = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, key.c_str(), KEY_READ, &written), 0);
    const int present = PresentFromZero(written, "v");
    EXPECT_GE(present, kWrites / 10) << "attempt " << attempt;
    // Nothing beyond the prefix: no value after a missing one.
    EXPECT_EQ(ValueCount(written), static_cast<std::uint32_t>(present)) << "attempt " << attempt;
    RegCloseKey(written);
    killed_midway = WIFSIGNALED(status) && present < kWrites;
  }
  EXPECT_TRUE(killed_midway);
}

TEST(RegistryProcessTest, TwoWritersOfOneKeyBothSucceed) {
  inktest::TempMachine temp;
  const std::string key = "Software\\Shared";
  WriterProcess first(temp.dir(), key, "a", kWrites / 2);
  WriterProcess second(temp.dir(), key, "b", kWrites / 2);
  ASSERT_TRUE(first.started() && second.started());
  first.Go();
  second.Go();
  for (WriterProcess* writer : {&first, &second}) {
    const int status = writer->Wait();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  RegKey shared = 0;
  ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, key.c_str(), KEY_READ, &shared), 0);
  EXPECT_EQ(PresentFromZero(shared, "a"), kWrites / 2);
  EXPECT_EQ(PresentFromZero(shared, "b"), kWrites / 2);
  EXPECT_EQ(ValueCount(shared), static_cast<std::uint32_t>(kWrites));
  RegCloseKey(shared);
}

}  // namespace
