// The setup program: opens the machine, puts the medium on one of its
// drives, starts the log and builds the run environment from the medium's
// profiles. Until the wizard exists it then reports what it did and where
// the log is.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/global_variable.h"
#include "app/medium_drive.h"
#include "app/setup_options.h"
#include "platform/machine.h"
#include "printer/installer_modules.h"
#include "platform/module_file.h"
#include "profile/format.h"
#include "profile/log.h"

namespace {

namespace fs = std::filesystem;

int Fail(const std::string& reason) {
  std::fprintf(stderr, "setup: %s\n", reason.c_str());
  return EXIT_FAILURE;
}

// The host file of this program.
fs::path ProgramFile(const char* argv0) {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::absolute(argv0, ec) : self;
}

// The host path of a Windows path of the machine, or the Windows path
// itself when it has none.
std::string HostPathOf(const platform::Machine& machine, const std::string& windows_path) {
  fs::path host;
  return machine.ToHostPath(windows_path, host) == 0 ? host.string() : windows_path;
}

}  // namespace

int main(int argc, char** argv) {
  app::SetupOptions options;
  std::string error;
  if (!app::ParseSetupOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) return Fail(error);

  const fs::path program = ProgramFile(argv[0]);
  const char* machine_variable = std::getenv("INKSTALL_MACHINE");
  const std::string machine_dir = !options.machine.empty() ? options.machine
                                  : machine_variable        ? machine_variable
                                                            : std::string();
  if (machine_dir.empty()) return Fail("no machine: give --machine DIR or set INKSTALL_MACHINE");
  std::unique_ptr<platform::Machine> opened = platform::Machine::Open(machine_dir, &error);
  if (!opened) return Fail(error);
  platform::SetCurrentMachine(std::move(opened));
  platform::Machine& machine = platform::CurrentMachine();

  const fs::path medium = options.medium.empty() ? program.parent_path() : fs::path(options.medium);
  std::string medium_path;
  if (!app::MapMedium(machine, medium, medium_path, error)) return Fail(error);
  const std::string name = options.name.empty() ? program.stem().string() : options.name;
  const bool at_root = !medium_path.empty() && medium_path.back() == '\\';
  platform::SetModuleFileName(profile::Format("%s%s%s.exe", medium_path, at_root ? "" : "\\", name));

  CLog log(profile::Format("%s.exe", name));
  SetLog(&log);
  // The medium's plug-in modules resolve their paths through the
  // environment, which owns them.
  auto modules = std::make_unique<CInstallerModules>();
  CInstallerModules& module_set = *modules;
  CGlobalVariable environment(std::move(modules));
  module_set.SetEnvironment(&environment);
  const bool built = environment.Init();
  SetLog(nullptr);
  const std::string log_file = log.HasFile() ? HostPathOf(machine, log.Path()) : std::string("(no log file)");
  if (!built) {
    return Fail(profile::Format("could not build the run environment from the medium %s (%s); see the log %s",
                                medium.string(), medium_path, log_file));
  }
  std::printf("setup: run environment of \"%s\" built from the medium %s (%s) on the machine %s; log: %s\n",
              environment.ProgramInfo().ProgramName().c_str(), medium.string().c_str(), medium_path.c_str(),
              machine.Directory().c_str(), log_file.c_str());
  return EXIT_SUCCESS;
}
