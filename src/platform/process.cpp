#include "platform/process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/command_line.h"
#include "platform/errors.h"
#include "platform/machine.h"
#include "platform/program_path.h"

extern char** environ;

namespace platform {

namespace fs = std::filesystem;

struct Process::State {
  pid_t pid = 0;
  std::mutex mutex;
  std::condition_variable ended_signal;
  bool ended = false;
  std::uint32_t exit_code = kStillActive;
};

namespace {

constexpr const char* kMachineVariable = "INKSTALL_MACHINE";

// The Windows error number for an errno of posix_spawn.
long ErrorOfSpawn(int error) {
  switch (error) {
    case ENOENT: return kErrorFileNotFound;
    case ENOTDIR: return kErrorPathNotFound;
    case EACCES:
    case EPERM: return kErrorAccessDenied;
    case ENOMEM:
    case EAGAIN: return kErrorOutOfMemory;
    case E2BIG:
    case ENAMETOOLONG: return kErrorFilenameTooLong;
    default: return kErrorBadExeFormat;
  }
}

// The exit code for a status collected by waitpid.
std::uint32_t ExitCodeOfStatus(int status) {
  if (WIFEXITED(status)) return static_cast<std::uint32_t>(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) return 128u + static_cast<std::uint32_t>(WTERMSIG(status));
  return kExitCodeLost;
}

// This process's environment with INKSTALL_MACHINE replaced by the current
// machine's directory.
std::vector<std::string> ChildEnvironment() {
  const std::string prefix = std::string(kMachineVariable) + "=";
  std::vector<std::string> environment;
  for (char** entry = environ; *entry; ++entry) {
    if (std::strncmp(*entry, prefix.c_str(), prefix.size()) != 0) environment.emplace_back(*entry);
  }
  environment.push_back(prefix + CurrentMachine().Directory().string());
  return environment;
}

// The NULL-terminated pointer array of `texts`, for exec; valid while
// `texts` is unchanged.
std::vector<char*> PointersOf(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (auto& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

int Process::Id() const { return state_ ? state_->pid : 0; }

long Process::Wait(std::uint32_t timeout_ms) const {
  if (!state_) return kErrorInvalidHandle;
  std::unique_lock lock(state_->mutex);
  const auto ended = [this] { return state_->ended; };
  if (timeout_ms == kInfinite) {
    state_->ended_signal.wait(lock, ended);
  } else if (!state_->ended_signal.wait_for(lock, std::chrono::milliseconds(timeout_ms), ended)) {
    return kErrorWaitTimeout;
  }
  return kErrorSuccess;
}

long Process::GetExitCode(std::uint32_t& code) const {
  if (!state_) return kErrorInvalidHandle;
  std::lock_guard lock(state_->mutex);
  code = state_->exit_code;
  return kErrorSuccess;
}

long StartHostProcess(const fs::path& executable, const std::vector<std::string>& argv,
                      const fs::path& directory, Process& process) {
  std::vector<std::string> arguments = argv;
  std::vector<std::string> environment = ChildEnvironment();
  std::vector<char*> argument_pointers = PointersOf(arguments);
  std::vector<char*> environment_pointers = PointersOf(environment);

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawnattr_init(&attributes);
  if (!directory.empty()) ::posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
  // The child starts with no blocked signals and default handlers, whatever
  // the installer's threads had set up.
  sigset_t none, all;
  ::sigemptyset(&none);
  ::sigfillset(&all);
  ::posix_spawnattr_setsigmask(&attributes, &none);
  ::posix_spawnattr_setsigdefault(&attributes, &all);
  ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  pid_t pid = 0;
  const int error = ::posix_spawn(&pid, executable.c_str(), &actions, &attributes,
                                  argument_pointers.data(), environment_pointers.data());
  ::posix_spawn_file_actions_destroy(&actions);
  ::posix_spawnattr_destroy(&attributes);
  if (error != 0) return ErrorOfSpawn(error);

  auto state = std::make_shared<Process::State>();
  state->pid = pid;
  // The end of the child is collected on a thread of its own, so that
  // waiting needs no reaping and any number of threads can wait.
  const auto watch_for_end = [state] {
    int status = 0;
    pid_t result;
    do {
      result = ::waitpid(state->pid, &status, 0);
    } while (result < 0 && errno == EINTR);
    std::lock_guard lock(state->mutex);
    state->exit_code = result < 0 ? kExitCodeLost : ExitCodeOfStatus(status);
    state->ended = true;
    state->ended_signal.notify_all();
  };
  try {
    std::thread(watch_for_end).detach();
  } catch (const std::system_error&) {
    // Without a watcher nobody could report the end; do not leave a child
    // that the caller believes was never started.
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return kErrorOutOfMemory;
  }
  process.state_ = std::move(state);
  return kErrorSuccess;
}

long StartProcess(std::string_view program, std::string_view arguments,
                  std::string_view directory, Process& process) {
  fs::path executable;
  if (const long error = FindProgram(program, executable); error != kErrorSuccess) return error;

  const Machine& machine = CurrentMachine();
  const std::string windows_directory =
      directory.empty() ? machine.CurrentDirectory() : std::string(directory);
  fs::path host_directory;
  std::error_code ec;
  if (machine.ToHostPath(windows_directory, host_directory) != kErrorSuccess ||
      !fs::is_directory(host_directory, ec)) {
    return kErrorDirectory;
  }

  std::vector<std::string> argv = {executable.string()};
  for (auto& argument : SplitCommandLine(arguments)) argv.push_back(std::move(argument));
  return StartHostProcess(executable, argv, host_directory, process);
}

}  // namespace platform
