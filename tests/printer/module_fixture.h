// A medium under C:\setup of a throw-away machine, with the test modules
// copied to it under the names the data profile gives them, the log of the
// run, and the script and call record that steer and watch the modules.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fake_environment.h"
#include "printer/installer_modules.h"
#include "profile/log.h"
#include "temp_machine.h"

namespace inktest {

class ModuleTest : public ::testing::Test {
 protected:
  ModuleTest();
  ~ModuleTest() override;

  // Copies the test module `module` ("inktest_installer") to the medium as
  // `medium_path` ("data\Ovrun.dll", relative to C:\setup).
  void PlaceModule(const std::string& module, const std::string& medium_path);
  // Places every test module at the default path of its kind, with the
  // network module that has the Adv entry points.
  void PlaceDefaultModules();
  // Writes `data_profile` as the medium's data profile and loads the
  // modules it names into `modules`, or modules_.
  void LoadInto(CInstallerModules& modules, const std::string& data_profile);
  void Load(const std::string& data_profile = "") { LoadInto(modules_, data_profile); }
  // Replaces the test modules' script.
  void Script(const std::string& lines);

  // The calls the test modules recorded, in order.
  std::vector<std::string> Calls() const;
  // The log's lines after its header, without their time stamps.
  std::vector<std::string> LogLines() const;
  // The log lines that `call` adds.
  std::vector<std::string> LinesLoggedBy(const std::function<void()>& call) const;
  // Whether the log holds `line`.
  bool Logged(const std::string& line) const;

  TempMachine machine_;
  FakeEnvironment environment_;
  CLog log_{"setup.exe"};
  CInstallerModules modules_;

 private:
  std::filesystem::path script_;
  std::filesystem::path calls_;
};

}  // namespace inktest
