// Building the whole run environment from the demo medium, next to loading
// the medium's profile files alone, the way the profile set loads them
// (data, configure, command and string file, then re-pointed to the
// language). The environment adds the system, registry, options, language,
// install environment and log work; the last line of output is the ratio of
// the two times. Beside them, the opening of a run's log on a machine with
// many earlier runs.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/global_variable.h"
#include "app/medium_drive.h"
#include "keeping_reporter.h"
#include "platform/machine.h"
#include "platform/module_file.h"
#include "platform/files.h"
#include "profile/format.h"
#include "profile/log.h"
#include "profile/profile_set.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kEnvironment = "environment";
constexpr const char* kProfiles = "profiles";
constexpr const char* kLanguage = "EN";

// What the profile set needs to find its files on the medium, and nothing
// more: no defined strings, no options, no OS define string.
class BareEnvironment : public IProfileEnvironment {
 public:
  explicit BareEnvironment(std::string directory) : directory_(std::move(directory)) {}
  std::string InstallerDirectory() const override { return directory_; }
  std::string ApplicationName() const override { return "setup"; }
  std::string ResolvePath(std::string_view name, bool) const override {
    return name.starts_with(".") ? directory_ + std::string(name.substr(1)) : std::string(name);
  }
  std::string ExpandDefinedStrings(std::string_view text, std::uint32_t, std::string_view,
                                   std::string_view) const override {
    return std::string(text);
  }
  bool IsRemoteInstall() const override { return false; }
  std::string LanguageAbbreviation() const override { return kLanguage; }
  std::string FallbackLanguageAbbreviation() const override { return kLanguage; }
  std::string OsDefine() const override { return {}; }
  bool IsNetworkOn() const override { return false; }
  bool IsUsbOnlyOn() const override { return false; }

 private:
  std::string directory_;
};

void BuildEnvironment(benchmark::State& state) {
  for (auto _ : state) {
    CGlobalVariable environment;
    if (!environment.Init()) state.SkipWithError("the run environment could not be built");
  }
}

void LoadProfiles(benchmark::State& state, const std::string& medium) {
  const BareEnvironment environment(medium);
  for (auto _ : state) {
    CProfileSet profiles;
    if (!profiles.Initialize(environment)) state.SkipWithError("the profiles could not be loaded");
    profiles.SetLanguage(environment, kLanguage);
  }
}

// Opening a run's log with `state.range(0)` logs of earlier runs in the
// Temp folder: the time should hardly grow with them.
void OpenLogAfterEarlierRuns(benchmark::State& state) {
  const std::string temp = platform::GetTempPath();
  platform::WriteWholeFile(temp + "bench.exe.log", "");
  for (int64_t number = 0; number < state.range(0); ++number) {
    platform::WriteWholeFile(profile::Format("%sbench.exe%d.log", temp, static_cast<int>(number)), "");
  }
  for (auto _ : state) {
    std::string path;
    {
      const CLog log("bench.exe");
      path = log.Path();
    }
    state.PauseTiming();
    platform::DeleteFile(path);
    state.ResumeTiming();
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  char pattern[] = "/tmp/inkstall-bench-environment-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 1;
  const fs::path dir = pattern;
  std::string error;
  auto machine = platform::Machine::Open(dir / "machine", &error);
  if (!machine) {
    std::fprintf(stderr, "bench-environment: %s\n", error.c_str());
    return 1;
  }
  platform::SetCurrentMachine(std::move(machine));
  const fs::path demo = argc > 1 ? fs::path(argv[1]) : fs::path(INKSTALL_DEMO_MEDIUM);
  std::string medium;
  if (!app::MapMedium(platform::CurrentMachine(), demo, medium, error)) {
    std::fprintf(stderr, "bench-environment: %s\n", error.c_str());
    return 1;
  }
  if (medium.back() == '\\') medium.pop_back();
  platform::SetModuleFileName(medium + "\\setup.exe");
  CLog log("setup.exe");
  SetLog(&log);

  benchmark::RegisterBenchmark(kEnvironment, BuildEnvironment)->Unit(benchmark::kMicrosecond)->UseRealTime();
  benchmark::RegisterBenchmark(kProfiles, [&medium](benchmark::State& state) { LoadProfiles(state, medium); })
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("log after earlier runs", OpenLogAfterEarlierRuns)
      ->Arg(0)
      ->Arg(1000)
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
  inkbench::KeepingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  SetLog(nullptr);
  platform::SetCurrentMachine(nullptr);
  std::error_code ignored;
  fs::remove_all(dir, ignored);
  const double environment = reporter.Time(kEnvironment);
  const double profiles = reporter.Time(kProfiles);
  std::printf("environment %.1f us, profiles %.1f us\n", environment, profiles);
  if (profiles <= 0) {
    std::printf("environment/profiles ratio = n/a (nothing measured)\n");
    return 1;
  }
  std::printf("environment/profiles ratio = %.2f\n", environment / profiles);
  return 0;
}
