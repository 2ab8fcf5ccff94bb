#include <cstdio>
#include <cstdlib>

#include "platform/registry.h"
#include "registry_workloads.h"

namespace inkbench {

namespace {

using namespace platform;

constexpr const char* kBenchKey = "Software\\Bench";

void Check(long result, const char* what) {
  if (result == 0) return;
  std::fprintf(stderr, "bench-registry: %s failed with %ld\n", what, result);
  std::abort();
}

class RegistryWorkload : public Workload {
 public:
  void Write() override {
    for (int k = 0; k < kKeys; ++k) {
      const std::string path = std::string(kBenchKey) + "\\" + BenchKeyName(k);
      RegKey key = 0;
      Check(RegCreateKeyEx(HKEY_CURRENT_USER, path.c_str(), KEY_ALL_ACCESS, &key), "create");
      for (int v = 0; v < kValuesPerKey; ++v) {
        const std::string data = BenchValueData(k, v);
        Check(RegSetValueEx(key, BenchValueName(v).c_str(), REG_SZ, data.data(),
                            static_cast<std::uint32_t>(data.size())),
              "set");
      }
      RegCloseKey(key);
    }
  }

  void Read() override {
    char data[260];
    for (int k = 0; k < kKeys; ++k) {
      const std::string path = std::string(kBenchKey) + "\\" + BenchKeyName(k);
      RegKey key = 0;
      Check(RegOpenKeyEx(HKEY_CURRENT_USER, path.c_str(), KEY_READ, &key), "open");
      for (int v = 0; v < kValuesPerKey; ++v) {
        std::uint32_t type = 0, size = sizeof data;
        Check(RegQueryValueEx(key, BenchValueName(v).c_str(), &type, data, &size), "query");
      }
      RegCloseKey(key);
    }
  }

  void Enumerate() override {
    RegKey bench = 0;
    Check(RegOpenKeyEx(HKEY_CURRENT_USER, kBenchKey, KEY_READ, &bench), "open");
    char name[260], value_name[260], data[260];
    std::uint32_t name_size = sizeof name;
    for (std::uint32_t i = 0; RegEnumKeyEx(bench, i, name, &name_size) == 0; ++i) {
      name_size = sizeof name;
      RegKey key = 0;
      Check(RegOpenKeyEx(bench, name, KEY_READ, &key), "open");
      RegKeyInfo info;
      Check(RegQueryInfoKey(key, &info), "info");
      for (std::uint32_t j = 0; j < info.values; ++j) {
        std::uint32_t value_size = sizeof value_name, data_size = sizeof data, type = 0;
        Check(RegEnumValue(key, j, value_name, &value_size, &type, data, &data_size), "enum");
      }
      RegCloseKey(key);
    }
    RegCloseKey(bench);
  }

  void Delete() override { DeleteTree(HKEY_CURRENT_USER, kBenchKey); }

 private:
  // Deletes `subkey` of `parent` with everything below it.
  static void DeleteTree(RegKey parent, const char* subkey) {
    RegKey key = 0;
    Check(RegOpenKeyEx(parent, subkey, KEY_ALL_ACCESS, &key), "open");
    RegKeyInfo info;
    Check(RegQueryInfoKey(key, &info), "info");
    char name[260];
    for (std::uint32_t i = 0; i < info.subkeys; ++i) {
      std::uint32_t size = sizeof name;
      Check(RegEnumKeyEx(key, 0, name, &size), "enum");
      DeleteTree(key, name);
    }
    RegCloseKey(key);
    Check(RegDeleteKey(parent, subkey), "delete");
  }
};

}  // namespace

std::string BenchKeyName(int key) {
  char name[8];
  std::snprintf(name, sizeof name, "K%03d", key);
  return name;
}

std::string BenchValueName(int value) { return "File" + std::to_string(value); }

std::string BenchValueData(int key, int value) {
  return "C:\\Program Files\\Vendor\\Product\\" + BenchKeyName(key) + "\\file" +
         std::to_string(value) + ".dll" + std::string(1, '\0');
}

std::unique_ptr<Workload> MakeRegistryWorkload() { return std::make_unique<RegistryWorkload>(); }

}  // namespace inkbench
