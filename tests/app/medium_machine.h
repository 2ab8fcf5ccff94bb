// Test support for the run environment: a throw-away machine carrying a
// medium in C:\Medium (the installer being C:\Medium\setup.exe) and the run's
// log, and plug-in module calls whose answers a test sets.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/module_calls.h"
#include "platform/machine.h"
#include "profile/log.h"
#include "temp_machine.h"

namespace inktest {

// The utility module as a test wants it to answer, counting the calls.
class FakeModules : public IModuleCalls {
 public:
  void LoadModules(const CMyProfile&, const char* section) override { loaded_section = section; }
  std::int32_t GetDevicePort(std::string_view manufacturer, std::string_view model, std::string_view vid_pid,
                             std::vector<std::string>& found) override {
    device_query = std::string(manufacturer) + "|" + std::string(model) + "|" + std::string(vid_pid);
    found.insert(found.end(), ports.begin(), ports.end());
    return port_count;
  }
  std::uint32_t GetDiskFreeSpaceOV(std::string_view path) override {
    free_space_path = path;
    return free_mb;
  }
  void MySetForegroundNHWdDialog() override { ++foreground_calls; }

  std::int32_t port_count = 0;
  std::vector<std::string> ports;
  std::uint32_t free_mb = 0;
  int foreground_calls = 0;
  std::string loaded_section;
  std::string device_query;
  std::string free_space_path;
};

// The PROGRAM_INFO of a test product: maker "Maker", model "Model",
// program "Product".
inline constexpr const char* kProgramInfo =
    "[PROGRAM_INFO]\nMFG = Maker\nMDL = Model\nVIDPID = VID_1&PID_2\nPROGRAM_NAME = Product\n";

class MediumMachine {
 public:
  explicit MediumMachine(const std::function<void(platform::MachineConfig&)>& configure = {});
  ~MediumMachine();
  MediumMachine(const MediumMachine&) = delete;
  MediumMachine& operator=(const MediumMachine&) = delete;

  // Writes the medium file `relative` ("data/ovinst.ovi").
  void Write(const std::string& relative, const std::string& text) const;
  // A medium with `data` as its data file, and a configure, a command and an
  // English string file holding `english_messages` in MESSAGES.
  void WriteMedium(const std::string& data, const std::string& english_messages = "") const;
  // The log's lines so far, without their time stamps.
  std::vector<std::string> LogLines() const;
  // True when the log has the line `line`.
  bool Logged(std::string_view line) const;

  TempMachine& temp() { return temp_; }
  // The host path of the medium directory.
  std::filesystem::path MediumDir() const { return temp_.DriveC() / "Medium"; }

 private:
  TempMachine temp_;
  CLog log_;
};

}  // namespace inktest
