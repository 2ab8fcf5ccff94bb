// A registry writer for the process tests: registry-writer MACHINE KEY PREFIX COUNT.
// Waits for one byte on stdin, creates HKCU\KEY, then writes COUNT REG_DWORD
// values PREFIX0, PREFIX1, ... (value i holds i), writing one byte to stdout
// after each, so that a test can let it start together with another writer
// and can kill it part way through. Exits 0 when every write succeeded.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/machine.h"
#include "platform/registry.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: registry-writer MACHINE KEY PREFIX COUNT\n");
    return 2;
  }
  std::string error;
  auto machine = platform::Machine::Open(argv[1], &error);
  if (!machine) {
    std::fprintf(stderr, "registry-writer: %s\n", error.c_str());
    return 2;
  }
  platform::SetCurrentMachine(std::move(machine));
  const std::string prefix = argv[3];
  const long count = std::strtol(argv[4], nullptr, 10);

  char go = 0;
  if (::read(STDIN_FILENO, &go, 1) != 1) return 2;
  platform::RegKey key = 0;
  long result = platform::RegCreateKeyEx(platform::HKEY_CURRENT_USER, argv[2],
                                         platform::KEY_ALL_ACCESS, &key);
  for (long i = 0; i < count && result == 0; ++i) {
    const std::string name = prefix + std::to_string(i);
    const auto data = static_cast<std::uint32_t>(i);
    result = platform::RegSetValueEx(key, name.c_str(), platform::REG_DWORD, &data, sizeof data);
    if (result == 0 && ::write(STDOUT_FILENO, "+", 1) != 1) return 2;
  }
  if (result != 0) {
    std::fprintf(stderr, "registry-writer: error %ld\n", result);
    return 1;
  }
  return platform::RegCloseKey(key) == 0 ? 0 : 1;
}
