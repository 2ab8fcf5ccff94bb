// How long the installer takes from its process start to its first page on
// the demo medium, next to a Qt program that shows one empty window, both
// on Qt's offscreen platform. The goal: at most 1.5 times the Qt window.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Runs `arguments` (the program first) to its end; false when it could not
// start or did not end with status 0.
bool RunToEnd(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A machine for the installer runs, made once and kept for the whole run
// of the benchmark: each start finds it as the previous one left it.
const fs::path& Machine() {
  static const fs::path machine = [] {
    const fs::path dir = fs::temp_directory_path() / ("inkstall-bench-startup-" + std::to_string(getpid()));
    fs::remove_all(dir);
    RunToEnd({(BinDir() / "inkmachine").string(), "--machine", dir.string(), "init"});
    return dir;
  }();
  return machine;
}

void BM_SetupToFirstPage(benchmark::State& state) {
  const std::vector<std::string> command = {(BinDir() / "setup").string(), "--machine", Machine().string(),
                                            "--medium", INKSTALL_DEMO_MEDIUM, "--stop-after-pages", "1"};
  for (auto _ : state) {
    if (!RunToEnd(command)) state.SkipWithError("setup did not show its first page");
  }
}

void BM_QtWindow(benchmark::State& state) {
  const std::vector<std::string> command = {(BinDir() / "bench-qt-window").string()};
  for (auto _ : state) {
    if (!RunToEnd(command)) state.SkipWithError("the Qt window program failed");
  }
}

BENCHMARK(BM_QtWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_SetupToFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

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
