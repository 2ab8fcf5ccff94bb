// A machine: a host directory that stands for one Windows computer, with its
// configuration (machine.ini), drives, registry database and state files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class DriveKind { kFixed, kCdRom, kRemovable, kRemote };

struct Drive {
  char letter = 'C';               // upper case
  std::filesystem::path host_dir;  // absolute host directory of the root
  DriveKind kind = DriveKind::kFixed;
};

// The emulated system. Every field is stored in machine.ini.
struct MachineConfig {
  std::uint32_t platform_id = 2;  // 2: Windows NT family, 1: Windows 9x
  std::uint32_t major = 10;
  std::uint32_t minor = 0;
  std::uint32_t build = 19045;
  std::string service_pack;
  std::uint8_t product_type = 1;  // 1 workstation, 2 domain controller, 3 server
  std::uint16_t suite_mask = 0x100;
  bool is_64bit = true;           // the system is 64-bit
  bool wow64_process = true;      // the installer runs as a 32-bit process on it
  std::uint16_t ui_language = 0x0409;
  std::uint32_t code_page = 1252;
  std::string computer_name = "INKSTALL-PC";
  std::string user_name = "User";
  bool is_administrator = true;
  std::vector<Drive> drives;
  // Free megabytes a drive reports instead of its host directory's, by
  // drive letter (section [disk]), so that tests can run short of space.
  std::map<char, std::uint64_t> free_space_mb;
};

class Machine {
 public:
  // Opens the machine in `dir`, creating it with defaults (machine.ini,
  // drive_c/ with the standard directories, registry.db) when the directory
  // is missing or empty. Null with a reason in `error` when `dir` exists but
  // is not a machine, or cannot be created.
  static std::unique_ptr<Machine> Open(const std::filesystem::path& dir, std::string* error);

  const std::filesystem::path& Directory() const;
  const MachineConfig& Config() const;
  MachineConfig& MutableConfig();
  bool SaveConfig();

  // Maps a Windows path ("C:\Program Files\X", "\\server\share\p", or a
  // path relative to the current directory) to a host path. Existing
  // components are matched ignoring letter case; ".." stops at a drive's
  // root; a symbolic link that leads out of every drive is refused. Returns
  // 0, 3 when the drive is unknown, or 5 when the path would leave the
  // machine.
  long ToHostPath(std::string_view windows_path, std::filesystem::path& host) const;
  // The Windows form of a host path inside one of the drives; false outside.
  bool ToWindowsPath(const std::filesystem::path& host, std::string& windows_path) const;

  const Drive* FindDrive(char letter) const;
  std::string CurrentDirectory() const;             // Windows path, no trailing "\"
  void SetCurrentDirectory(std::string windows_path);

  // Standard Windows directories, without a trailing "\".
  std::string WindowsDirectory() const;             // C:\Windows
  std::string SystemDirectory() const;              // C:\Windows\System32
  std::string TempDirectory() const;                // the user's Temp
  std::filesystem::path RegistryDatabase() const;   // registry.db

 private:
  Machine() = default;
  struct State;
  std::shared_ptr<State> state_;
};

// The machine of this process: the one set last, else the directory named by
// the environment variable INKSTALL_MACHINE, opened on first use. Plug-in
// modules reach the installer's machine through the same call.
Machine& CurrentMachine();
void SetCurrentMachine(std::unique_ptr<Machine> machine);

}  // namespace platform
