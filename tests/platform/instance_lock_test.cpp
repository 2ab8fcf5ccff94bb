#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <condition_variable>
#include <csignal>
#include <filesystem>
#include <mutex>

#include "platform/activation_channel.h"
#include "platform/errors.h"
#include "platform/instance_lock.h"
#include "platform/process.h"
#include "temp_machine.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kName = "Orvane Printer Installer Program";

// A child process that runs `work` and then waits for the parent's word
// (or its death) before it ends with the work's result.
class Child {
 public:
  explicit Child(const std::function<int()>& work) {
    int ready[2], go[2];
    if (::pipe(ready) != 0 || ::pipe(go) != 0) std::abort();
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      ::close(go[1]);
      const char result = static_cast<char>(work());
      if (::write(ready[1], &result, 1) != 1) ::_exit(100);
      char word;
      (void)!::read(go[0], &word, 1);
      ::_exit(result);
    }
    ::close(ready[1]);
    ::close(go[0]);
    go_fd_ = go[1];
    if (::read(ready[0], &result_, 1) != 1) result_ = -1;
    ::close(ready[0]);
  }
  ~Child() {
    if (pid_ > 0) Finish();
  }

  // What `work` returned.
  int Result() const { return result_; }
  // Lets the child end normally; its exit status.
  int Finish() {
    ::close(go_fd_);
    int status = 0;
    ::waitpid(std::exchange(pid_, 0), &status, 0);
    return status;
  }
  // Kills the child as a crash would, without any clean-up of its own.
  void Crash() {
    ::kill(pid_, SIGKILL);
    Finish();
  }

 private:
  pid_t pid_ = 0;
  int go_fd_ = -1;
  char result_ = 0;
};

TEST(NamedMutexTest, SecondHolderIsToldItExists) {
  inktest::TempMachine temp;
  platform::NamedMutex first, second;
  ASSERT_EQ(first.Create(kName), 0);
  EXPECT_TRUE(first.IsOwned());
  EXPECT_EQ(second.Create(kName), platform::kErrorAlreadyExists);
  EXPECT_FALSE(second.IsOwned());
  first.Release();
  EXPECT_EQ(second.Create(kName), 0);
}

TEST(NamedMutexTest, NamesAreDistinctWhateverTheyHold) {
  inktest::TempMachine temp;
  const std::vector<std::string> names = {
      kName,
      "orvane printer installer program",  // names keep their case
      "a/b\\c:d*?\"<>|",
      "a%2Fb\\c:d*?\"<>|",
      "..",
      std::string(1000, 'x'),
      std::string(1000, 'x') + "y",  // too long for a file name: told apart by a hash
      std::string("nul\0inside", 10),
  };
  std::vector<platform::NamedMutex> held(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(held[i].Create(names[i]), 0) << i;
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    platform::NamedMutex again;
    EXPECT_EQ(again.Create(names[i]), platform::kErrorAlreadyExists) << i;
  }
  for (const auto& entry : fs::directory_iterator(temp.dir() / "ipc")) {
    EXPECT_LE(entry.path().filename().string().size(), 255u);
  }
}

TEST(NamedMutexTest, HeldAcrossProcessesAndReleasedWhenTheHolderEnds) {
  inktest::TempMachine temp;
  platform::NamedMutex mutex;
  {
    Child holder([] {
      static platform::NamedMutex held;
      return static_cast<int>(held.Create(kName) == 0);
    });
    ASSERT_EQ(holder.Result(), 1);
    EXPECT_EQ(mutex.Create(kName), platform::kErrorAlreadyExists);
    holder.Finish();
  }
  EXPECT_EQ(mutex.Create(kName), 0);
}

TEST(NamedMutexTest, CrashedHolderReleasesIt) {
  inktest::TempMachine temp;
  Child holder([] {
    static platform::NamedMutex held;
    return static_cast<int>(held.Create(kName) == 0);
  });
  ASSERT_EQ(holder.Result(), 1);
  platform::NamedMutex mutex;
  EXPECT_EQ(mutex.Create(kName), platform::kErrorAlreadyExists);
  holder.Crash();
  EXPECT_EQ(mutex.Create(kName), 0);
}

TEST(NamedMutexTest, StartedProgramDoesNotKeepIt) {
  inktest::TempMachine temp;
  temp.WriteHostFile("drive_c/wait", "#!/bin/sh\nsleep 2\n");
  fs::permissions(temp.DriveC() / "wait", fs::perms::owner_all);
  platform::NamedMutex mutex;
  ASSERT_EQ(mutex.Create(kName), 0);
  platform::Process program;
  ASSERT_EQ(platform::StartProcess("C:\\wait.exe", "", "", program), 0);
  mutex.Release();
  platform::NamedMutex next;
  EXPECT_EQ(next.Create(kName), 0);
  program.Wait(platform::kInfinite);
}

// Counts the activations a listener receives.
class ActivationCounter {
 public:
  std::function<void()> Callback() {
    return [this] {
      std::lock_guard lock(mutex_);
      ++count_;
      changed_.notify_all();
    };
  }
  // Waits until `count` activations arrived; false if they do not come.
  bool WaitFor(int count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(30), [&] { return count_ >= count; });
  }
  int Count() {
    std::lock_guard lock(mutex_);
    return count_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int count_ = 0;
};

TEST(ActivationTest, SecondInstanceReachesTheFirstOnesCallback) {
  inktest::TempMachine temp;
  ActivationCounter counter;
  platform::ActivationListener listener;
  ASSERT_EQ(listener.Listen(kName, counter.Callback()), 0);

  {
    Child second([] { return static_cast<int>(platform::RequestActivation(kName)); });
    EXPECT_EQ(second.Result(), 1);
  }
  EXPECT_TRUE(platform::RequestActivation(kName));
  EXPECT_TRUE(counter.WaitFor(2));
  EXPECT_FALSE(platform::RequestActivation("Another Installer Program"));

  listener.Stop();
  EXPECT_FALSE(platform::RequestActivation(kName));
  EXPECT_EQ(counter.Count(), 2);
}

TEST(ActivationTest, OneListenerPerNameUntilItsProcessDies) {
  inktest::TempMachine temp;
  Child first([] {
    static ActivationCounter counter;
    static platform::ActivationListener listener;
    return static_cast<int>(listener.Listen(kName, counter.Callback()));
  });
  ASSERT_EQ(first.Result(), 0);
  ActivationCounter counter;
  platform::ActivationListener listener;
  EXPECT_EQ(listener.Listen(kName, counter.Callback()), platform::kErrorAlreadyExists);
  EXPECT_TRUE(platform::RequestActivation(kName));

  first.Crash();
  EXPECT_FALSE(platform::RequestActivation(kName));
  ASSERT_EQ(listener.Listen(kName, counter.Callback()), 0);
  EXPECT_TRUE(platform::RequestActivation(kName));
  EXPECT_TRUE(counter.WaitFor(1));
}

}  // namespace
