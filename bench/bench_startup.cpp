// How long the installer takes from its process start to its first page on
// the demo medium, next to a Qt program that shows one empty window, both
// on Qt's offscreen platform. Each program says on standard output when its
// window is up; the time is taken from the start of the process to that
// line, so the shutdown after it is not counted. The goal: at most 1.5
// times the Qt window.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "keeping_reporter.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path BinDir() {
  std::error_code error;
  return fs::read_symlink("/proc/self/exe", error).parent_path();
}

// Runs `arguments` (the program first), with its standard error dropped,
// to its end. The seconds from its start to its first line on standard
// output; negative when it could not start, said nothing, or did not end
// with status 0.
double SecondsToFirstLine(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  int output[2];
  if (pipe(output) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(output[1]);
  if (spawned != 0) {
    close(output[0]);
    return -1;
  }
  double seconds = -1;
  char byte = 0;
  while (read(output[0], &byte, 1) == 1) {
    if (byte == '\n' && seconds < 0) {
      seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
  }
  close(output[0]);
  int status = 0;
  const bool ended = waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return ended ? seconds : -1;
}

// Times `command` to its first line once per iteration.
void TimeToFirstLine(benchmark::State& state, const std::vector<std::string>& command) {
  for (auto _ : state) {
    const double seconds = SecondsToFirstLine(command);
    if (seconds < 0) {
      state.SkipWithError("the program did not show its window");
      break;
    }
    state.SetIterationTime(seconds);
  }
}

// A machine for the installer runs, made once and kept for the whole run
// of the benchmark: each start finds it as the previous one left it.
const fs::path& Machine() {
  static const fs::path machine = [] {
    const fs::path dir = fs::temp_directory_path() / ("inkstall-bench-startup-" + std::to_string(getpid()));
    fs::remove_all(dir);
    SecondsToFirstLine({(BinDir() / "inkmachine").string(), "--machine", dir.string(), "init"});
    return dir;
  }();
  return machine;
}

void BM_SetupToFirstPage(benchmark::State& state) {
  const std::vector<std::string> command = {(BinDir() / "setup").string(), "--machine", Machine().string(),
                                            "--medium", INKSTALL_DEMO_MEDIUM, "--stop-after-pages", "1"};
  TimeToFirstLine(state, command);
}

void BM_QtWindow(benchmark::State& state) {
  TimeToFirstLine(state, {(BinDir() / "bench-qt-window").string()});
}

BENCHMARK(BM_QtWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_SetupToFirstPage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  benchmark::Initialize(&argc, argv);
  inkbench::KeepingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("startup/qt-window ratio = %.2f\n", reporter.Ratio("BM_SetupToFirstPage", "BM_QtWindow"));
  std::error_code error;
  std::filesystem::remove_all(Machine(), error);
  benchmark::Shutdown();
  return 0;
}
