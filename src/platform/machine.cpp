#include "platform/machine.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <system_error>

#include "platform/errors.h"
#include "platform/machine_config.h"
#include "platform/system_registry_values.h"

namespace platform {

namespace fs = std::filesystem;

struct Machine::State {
  fs::path dir;
  MachineConfig config;
  mutable std::mutex mutex;  // guards current_directory
  std::string current_directory = "C:\\";
};

namespace {

constexpr const char* kConfigFile = "machine.ini";

// The directories every new machine has on C:, relative to its root.
std::vector<std::string> StandardDirectories(const MachineConfig& config) {
  const std::string profile = "Users/" + config.user_name;
  std::vector<std::string> dirs = {
      "Windows/System32",
      "Windows/Fonts",
      "Program Files",
      "ProgramData/Microsoft/Windows/Start Menu/Programs",
      profile + "/AppData/Local/Temp",
      profile + "/AppData/Roaming/Microsoft/Windows/Start Menu/Programs",
      profile + "/Desktop",
  };
  if (config.is_64bit) {
    dirs.push_back("Windows/SysWOW64");
    dirs.push_back("Program Files (x86)");
  }
  return dirs;
}

bool CreateNewMachine(const fs::path& dir, MachineConfig& config, std::string* error) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  config = DefaultMachineConfig(dir);
  for (const auto& sub : StandardDirectories(config)) {
    fs::create_directories(config.drives.front().host_dir / sub, ec);
    if (ec) break;
  }
  if (ec || !SaveMachineConfig(dir / kConfigFile, dir, config)) {
    if (error) *error = "cannot create a machine in " + dir.string();
    return false;
  }
  return true;
}

std::mutex current_mutex;
std::unique_ptr<Machine> current_machine;

}  // namespace

std::unique_ptr<Machine> Machine::Open(const fs::path& dir, std::string* error) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(dir, ec).lexically_normal();
  auto state = std::make_shared<State>();
  state->dir = absolute;
  const bool is_new = !fs::exists(absolute, ec) || fs::is_empty(absolute, ec);
  if (is_new) {
    if (!CreateNewMachine(absolute, state->config, error)) return nullptr;
  } else if (!fs::exists(absolute / kConfigFile, ec)) {
    if (error) *error = absolute.string() + " is not a machine (it has no " + kConfigFile + ")";
    return nullptr;
  } else if (!LoadMachineConfig(absolute / kConfigFile, absolute, state->config, error)) {
    return nullptr;
  }
  std::unique_ptr<Machine> machine(new Machine);
  machine->state_ = std::move(state);
  if (is_new && SeedSystemRegistryValues(*machine) != kErrorSuccess) {
    if (error) *error = "cannot write the registry of a new machine in " + absolute.string();
    return nullptr;
  }
  return machine;
}

const fs::path& Machine::Directory() const { return state_->dir; }
const MachineConfig& Machine::Config() const { return state_->config; }
MachineConfig& Machine::MutableConfig() { return state_->config; }

bool Machine::SaveConfig() {
  return SaveMachineConfig(state_->dir / kConfigFile, state_->dir, state_->config);
}

const Drive* Machine::FindDrive(char letter) const {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  for (const auto& drive : state_->config.drives) {
    if (drive.letter == upper) return &drive;
  }
  return nullptr;
}

std::string Machine::CurrentDirectory() const {
  std::lock_guard lock(state_->mutex);
  return state_->current_directory;
}

void Machine::SetCurrentDirectory(std::string windows_path) {
  std::lock_guard lock(state_->mutex);
  state_->current_directory = std::move(windows_path);
}

std::string Machine::WindowsDirectory() const { return "C:\\Windows"; }
std::string Machine::SystemDirectory() const { return "C:\\Windows\\System32"; }

std::string Machine::TempDirectory() const {
  return "C:\\Users\\" + state_->config.user_name + "\\AppData\\Local\\Temp";
}

fs::path Machine::RegistryDatabase() const { return state_->dir / "registry.db"; }

Machine& CurrentMachine() {
  std::lock_guard lock(current_mutex);
  if (!current_machine) {
    const char* dir = std::getenv("INKSTALL_MACHINE");
    std::string error = "INKSTALL_MACHINE is not set";
    if (dir && *dir) current_machine = Machine::Open(dir, &error);
    if (!current_machine) {
      std::fprintf(stderr, "inkstall: no machine: %s\n", error.c_str());
      std::abort();
    }
  }
  return *current_machine;
}

void SetCurrentMachine(std::unique_ptr<Machine> machine) {
  std::lock_guard lock(current_mutex);
  if (machine) ::setenv("INKSTALL_MACHINE", machine->Directory().c_str(), 1);
  current_machine = std::move(machine);
}

}  // namespace platform
