// A throw-away machine for a fuzz target: a temporary directory (in memory
// where the host has /dev/shm, for speed), made the current machine, and
// removed at exit or when renewed.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/machine.h"

namespace inkfuzz {

class FuzzMachine {
 public:
  FuzzMachine() { Renew(); }
  ~FuzzMachine() { Remove(); }
  FuzzMachine(const FuzzMachine&) = delete;
  FuzzMachine& operator=(const FuzzMachine&) = delete;

  // Replaces the current machine by a new, empty one. A fuzz target whose
  // inputs make the machine grow calls it now and then.
  void Renew() {
    Remove();
    const std::filesystem::path base =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string pattern = (base / "inkstall-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    dir_ = pattern;
    std::string error;
    auto machine = platform::Machine::Open(dir_ / "machine", &error);
    if (!machine) std::abort();
    platform::SetCurrentMachine(std::move(machine));
  }

 private:
  void Remove() {
    if (dir_.empty()) return;
    platform::SetCurrentMachine(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
    dir_.clear();
  }

  std::filesystem::path dir_;
};

}  // namespace inkfuzz
