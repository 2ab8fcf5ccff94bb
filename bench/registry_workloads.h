// The registry work the benchmark measures, done two ways: through the
// machine's registry layer, and as the same SQL statements run directly on
// SQLite. Both build the same tree: kKeys keys under HKCU\Software\Bench,
// each with kValuesPerKey string values.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace inkbench {

inline constexpr int kKeys = 100;
inline constexpr int kValuesPerKey = 100;  // 10,000 values in all

std::string BenchKeyName(int key);      // "K042"
std::string BenchValueName(int value);  // "File42"
std::string BenchValueData(int key, int value);  // a path, with its NUL

// Each call does all of its phase and aborts the program on any failure,
// so that a failing operation can never pass for a fast one.
class Workload {
 public:
  virtual ~Workload() = default;
  virtual void Write() = 0;      // creates every key and writes every value
  virtual void Read() = 0;       // opens every key and reads every value
  virtual void Enumerate() = 0;  // lists the keys, and each key's values with their data
  virtual void Delete() = 0;     // deletes the tree, subkeys first, as a setup program does
};

// Works on the current machine's registry.
std::unique_ptr<Workload> MakeRegistryWorkload();
// Works on the database `file`, which must have the registry's schema.
std::unique_ptr<Workload> MakeSqliteWorkload(const std::filesystem::path& file);

}  // namespace inkbench
