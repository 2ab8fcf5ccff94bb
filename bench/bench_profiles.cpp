// Reading a 2 MB profile and answering 100,000 random key lookups with the
// installer's profile reader, next to the same work done by inih's
// INIReader on the same file. Prints the times of each side, then the peak
// memory of our loaded profile, and as its last line the ratios.
#include <INIReader.h>
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "allocation_counter.h"
#include "keeping_reporter.h"
#include "platform/machine.h"
#include "profile/profile.h"
#include "profile_workload.h"

namespace {

namespace fs = std::filesystem;

constexpr unsigned kSeed = 2024;
constexpr int kLoadIterations = 10;
constexpr int kLookupIterations = 5;
constexpr std::size_t kValueBuffer = 4096;
constexpr const char* kProfilePath = "C:\\bench.ini";

struct Setup {
  inkbench::ProfileWorkload workload;
  fs::path host_file;
};

void LoadOurs(benchmark::State& state, const Setup&) {
  for (auto _ : state) {
    CProfile profile(kProfilePath, nullptr);
    benchmark::DoNotOptimize(profile.Sections().FirstSection());
  }
}

void LoadInih(benchmark::State& state, const Setup& setup) {
  for (auto _ : state) {
    INIReader reader(setup.host_file.string());
    if (reader.ParseError() != 0) state.SkipWithError("INIReader could not parse the file");
    benchmark::DoNotOptimize(reader.ParseError());
  }
}

void LookupOurs(benchmark::State& state, const Setup& setup) {
  CProfile profile(kProfilePath, nullptr);
  char value[kValueBuffer];
  for (auto _ : state) {
    for (const auto& lookup : setup.workload.lookups) {
      if (profile.GetString(lookup.section.c_str(), lookup.key.c_str(), value, sizeof value, false) != 0 ||
          lookup.value != value) {
        state.SkipWithError("our reader lost a value");
        return;
      }
    }
  }
}

void LookupInih(benchmark::State& state, const Setup& setup) {
  INIReader reader(setup.host_file.string());
  for (auto _ : state) {
    for (const auto& lookup : setup.workload.lookups) {
      if (reader.Get(lookup.section, lookup.key, "") != lookup.value) {
        state.SkipWithError("INIReader lost a value");
        return;
      }
    }
  }
}

// Our profile's peak memory while loading the file, over the file's size.
double MemoryOverFile(std::size_t file_size) {
  const std::size_t before = inkbench::LiveBytes();
  inkbench::ResetPeak();
  CProfile profile(kProfilePath, nullptr);
  const std::size_t peak = inkbench::PeakBytes() - before;
  const std::size_t held = inkbench::LiveBytes() - before;
  std::printf("our profile: peak %zu bytes while loading, %zu bytes held, file %zu bytes\n", peak, held,
              file_size);
  return static_cast<double>(peak) / static_cast<double>(file_size);
}

void Register(const char* name, void (*function)(benchmark::State&, const Setup&), const Setup& setup,
              int iterations) {
  benchmark::RegisterBenchmark(name, [function, &setup](benchmark::State& state) { function(state, setup); })
      ->Iterations(iterations)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  std::string pattern = (fs::temp_directory_path() / "inkstall-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return 1;
  const fs::path dir = pattern;
  std::string error;
  auto machine = platform::Machine::Open(dir / "machine", &error);
  if (!machine) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  Setup setup{inkbench::MakeProfileWorkload(kSeed), machine->FindDrive('C')->host_dir / "bench.ini"};
  platform::SetCurrentMachine(std::move(machine));
  std::ofstream(setup.host_file, std::ios::binary) << setup.workload.text;

  Register("ours/load", LoadOurs, setup, kLoadIterations);
  Register("inih/load", LoadInih, setup, kLoadIterations);
  Register("ours/lookup", LookupOurs, setup, kLookupIterations);
  Register("inih/lookup", LookupInih, setup, kLookupIterations);
  inkbench::KeepingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const double memory = MemoryOverFile(setup.workload.text.size());
  platform::SetCurrentMachine(nullptr);
  std::error_code ec;
  fs::remove_all(dir, ec);
  std::printf("load ratio = %.2f; lookup ratio = %.2f; memory/file = %.2f\n",
              reporter.Ratio("ours/load", "inih/load"), reporter.Ratio("ours/lookup", "inih/lookup"), memory);
  return 0;
}
