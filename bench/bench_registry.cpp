// Registry work through the machine's registry layer next to the same
// statements run directly on SQLite: 10,000 value writes, reads and
// enumerations, and the recursive delete of the tree. The last line of
// output is the ratio of the layer's total time to the direct total.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/machine.h"
#include "platform/registry_store.h"
#include "registry_workloads.h"

namespace {

namespace fs = std::filesystem;
using inkbench::Workload;

constexpr int kIterations = 3;

void Write(benchmark::State& state, Workload& workload) {
  for (auto _ : state) {
    workload.Write();
    state.PauseTiming();
    workload.Delete();
    state.ResumeTiming();
  }
}

void Read(benchmark::State& state, Workload& workload) {
  workload.Write();
  for (auto _ : state) workload.Read();
  workload.Delete();
}

void Enumerate(benchmark::State& state, Workload& workload) {
  workload.Write();
  for (auto _ : state) workload.Enumerate();
  workload.Delete();
}

void Delete(benchmark::State& state, Workload& workload) {
  for (auto _ : state) {
    state.PauseTiming();
    workload.Write();
    state.ResumeTiming();
    workload.Delete();
  }
}

constexpr const char* kRegistrySide = "registry";
constexpr const char* kSqliteSide = "sqlite";

// Registers one phase for both sides, as "registry/PHASE" and "sqlite/PHASE".
void Register(const char* phase, void (*function)(benchmark::State&, Workload&),
              Workload& registry, Workload& sqlite) {
  for (auto [side, workload] :
       {std::pair{kRegistrySide, &registry}, std::pair{kSqliteSide, &sqlite}}) {
    const std::string name = std::string(side) + "/" + phase;
    benchmark::RegisterBenchmark(name.c_str(),
                                 [function, workload = workload](benchmark::State& state) {
                                   function(state, *workload);
                                 })
        ->Iterations(kIterations)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
}

// Prints as the console reporter does, and keeps the time of each phase on
// each side.
class TotallingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const std::string& name = run.run_name.function_name;  // "side/phase"
      const auto slash = name.find('/');
      const bool is_registry = name.compare(0, slash, kRegistrySide) == 0;
      Times& times = phases_[name.substr(slash + 1)];
      (is_registry ? times.registry : times.sqlite) += run.GetAdjustedRealTime();
    }
  }

  // Prints each phase's times, then the ratio of the totals as the last
  // line.
  void PrintRatios() const {
    Times total;
    for (const auto& [phase, times] : phases_) {
      std::printf("%-10s registry %8.2f ms  sqlite %8.2f ms  ratio %.2f\n", phase.c_str(),
                  times.registry, times.sqlite, times.registry / times.sqlite);
      total.registry += times.registry;
      total.sqlite += times.sqlite;
    }
    if (total.sqlite <= 0) {
      std::printf("registry/sqlite time ratio = n/a (nothing measured)\n");
      return;
    }
    std::printf("registry/sqlite time ratio = %.2f\n", total.registry / total.sqlite);
  }

 private:
  struct Times {
    double registry = 0;
    double sqlite = 0;
  };
  std::map<std::string, Times> phases_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  std::string dir = (fs::temp_directory_path() / "inkstall-bench-XXXXXX").string();
  if (!::mkdtemp(dir.data())) return 1;
  std::string error;
  auto machine = platform::Machine::Open(fs::path(dir) / "machine", &error);
  if (!machine) {
    std::fprintf(stderr, "bench-registry: %s\n", error.c_str());
    return 1;
  }
  platform::SetCurrentMachine(std::move(machine));
  // The direct side gets a database of its own, made by the same code.
  const fs::path baseline = fs::path(dir) / "baseline.db";
  long open_error = 0;
  if (!platform::RegistryStore::Open(baseline, true, &open_error)) return 1;

  auto registry = inkbench::MakeRegistryWorkload();
  auto sqlite = inkbench::MakeSqliteWorkload(baseline);
  Register("write", Write, *registry, *sqlite);
  Register("read", Read, *registry, *sqlite);
  Register("enumerate", Enumerate, *registry, *sqlite);
  Register("delete", Delete, *registry, *sqlite);

  TotallingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  sqlite.reset();
  platform::SetCurrentMachine(nullptr);
  std::error_code ec;
  fs::remove_all(dir, ec);
  std::fflush(stdout);
  reporter.PrintRatios();
  return 0;
}
