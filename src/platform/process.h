// Processes started by the installer: programs of the machine (a Windows
// program name mapped to a host executable or script) and host helpers.
// Results are Windows error numbers (0 success).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A timeout that never ends.
inline constexpr std::uint32_t kInfinite = 0xFFFFFFFF;
// The exit code of a process that is still running.
inline constexpr std::uint32_t kStillActive = 259;
// The exit code of a process whose end could not be observed (its status
// was collected by someone else).
inline constexpr std::uint32_t kExitCodeLost = 0xFFFFFFFF;

// A handle to a started process. Copies refer to the same process, and any
// number of threads may wait on it at once. An empty handle (no process)
// answers 6 to every operation.
class Process {
 public:
  Process() = default;

  bool IsValid() const { return state_ != nullptr; }
  // The host process id, 0 for an empty handle.
  int Id() const;
  // Waits until the process ends or `timeout_ms` passes (kInfinite: no
  // limit). 0 when it has ended, 258 on timeout.
  long Wait(std::uint32_t timeout_ms) const;
  // The exit code, kStillActive while it runs. A process ended by signal N
  // reports 128 + N, as a shell would.
  long GetExitCode(std::uint32_t& code) const;

 private:
  friend long StartHostProcess(const std::filesystem::path&, const std::vector<std::string>&,
                               const std::filesystem::path&, Process&);
  struct State;
  std::shared_ptr<State> state_;
};

// Starts a program of the current machine. `program` is a Windows path or
// bare name (found by FindProgram: "x.exe" runs the host file "x.exe" or
// "x" when executable; 193 when it exists but cannot run, 2 when missing);
// `arguments` is the rest of a Windows command line, split by
// SplitCommandLine; `directory` is the Windows working directory (empty: the
// machine's current directory; 267 when it is not a directory). The child
// sees the same machine through INKSTALL_MACHINE.
long StartProcess(std::string_view program, std::string_view arguments,
                  std::string_view directory, Process& process);

// Starts a host executable with the given argument vector (argv[0]
// included) in a host directory, with this process's environment plus
// INKSTALL_MACHINE naming the current machine.
long StartHostProcess(const std::filesystem::path& executable,
                      const std::vector<std::string>& argv,
                      const std::filesystem::path& directory, Process& process);

}  // namespace platform
