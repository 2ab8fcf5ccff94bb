// A throw-away machine in a fresh temporary directory, made the current
// machine of the test process and removed at the end of the test.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "platform/machine.h"

namespace inktest {

class TempMachine {
 public:
  // `configure` may change the new machine's configuration before use.
  explicit TempMachine(const std::function<void(platform::MachineConfig&)>& configure = {});
  ~TempMachine();
  TempMachine(const TempMachine&) = delete;
  TempMachine& operator=(const TempMachine&) = delete;

  platform::Machine& machine() { return platform::CurrentMachine(); }
  const std::filesystem::path& dir() const { return dir_; }
  // The host path of C:\ (drive_c).
  std::filesystem::path DriveC() const { return dir_ / "drive_c"; }
  // Writes a host file (creating its directories), for fixtures.
  void WriteHostFile(const std::filesystem::path& relative_to_dir, const std::string& contents) const;

 private:
  std::filesystem::path dir_;
};

}  // namespace inktest
