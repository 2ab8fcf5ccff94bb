#include "temp_machine.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace inktest {

namespace fs = std::filesystem;

TempMachine::TempMachine(const std::function<void(platform::MachineConfig&)>& configure) {
  std::string pattern = (fs::temp_directory_path() / "inkstall-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) std::abort();
  dir_ = pattern;
  std::string error;
  auto machine = platform::Machine::Open(dir_ / "machine", &error);
  if (!machine) {
    ADD_FAILURE() << error;
    std::abort();
  }
  if (configure) {
    configure(machine->MutableConfig());
    machine->SaveConfig();
  }
  dir_ = machine->Directory();
  platform::SetCurrentMachine(std::move(machine));
}

TempMachine::~TempMachine() {
  platform::SetCurrentMachine(nullptr);
  std::error_code ec;
  fs::remove_all(dir_.parent_path(), ec);
}

void TempMachine::WriteHostFile(const fs::path& relative_to_dir, const std::string& contents) const {
  const fs::path path = dir_ / relative_to_dir;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << contents;
}

}  // namespace inktest
