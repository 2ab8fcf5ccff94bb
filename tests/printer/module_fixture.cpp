#include "module_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/files.h"
#include "profile/my_profile.h"

namespace inktest {

namespace fs = std::filesystem;

ModuleTest::ModuleTest()
    : script_(machine_.dir().parent_path() / "module-script.txt"),
      calls_(machine_.dir().parent_path() / "module-calls.txt") {
  ::setenv("INKSTALL_TEST_MODULE_SCRIPT", script_.c_str(), 1);
  ::setenv("INKSTALL_TEST_MODULE_CALLS", calls_.c_str(), 1);
  SetLog(&log_);
}

ModuleTest::~ModuleTest() { SetLog(nullptr); }

void ModuleTest::PlaceModule(const std::string& module, const std::string& medium_path) {
  std::string relative = medium_path;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  const fs::path target = machine_.DriveC() / "setup" / relative;
  fs::create_directories(target.parent_path());
  fs::copy_file(fs::path(INKTEST_MODULE_DIR) / (module + ".so"), target, fs::copy_options::overwrite_existing);
}

void ModuleTest::PlaceDefaultModules() {
  PlaceModule("inktest_installer", "data\\Ovrun.dll");
  PlaceModule("inktest_utility", "data\\Ovutil.dll");
  PlaceModule("inktest_remote_install", "data\\Ovrmtint.dll");
  PlaceModule("inktest_diagnosis", "data\\Ovdiag.dll");
  PlaceModule("inktest_network", "data\\OvNetMan.dll");
  PlaceModule("inktest_resource", "OVres.dll");
  PlaceModule("inktest_preinstaller", "data\\OVpre.dll");
  PlaceModule("inktest_set_ip", "data\\Setip.dll");
  machine_.WriteHostFile("drive_c/setup/data/OVDelAll.exe", "uninstaller");
  machine_.WriteHostFile("drive_c/setup/data/Ovopen.exe", "opener");
}

void ModuleTest::LoadInto(CInstallerModules& modules, const std::string& data_profile) {
  machine_.WriteHostFile("drive_c/setup/setup.dat", data_profile);
  CMyProfile data;
  data.SetEnvironment(&environment_);
  ASSERT_TRUE(data.Create("C:\\setup\\setup.dat", "C:\\setup\\setup.dat", "", false));
  modules.SetEnvironment(&environment_);
  modules.LoadModules(data, "INSTALLER_FILE_INFO");
}

void ModuleTest::Script(const std::string& lines) { std::ofstream(script_, std::ios::trunc) << lines; }

std::vector<std::string> ModuleTest::Calls() const {
  std::vector<std::string> calls;
  std::ifstream in(calls_);
  for (std::string line; std::getline(in, line);) calls.push_back(line);
  return calls;
}

std::vector<std::string> ModuleTest::LogLines() const {
  std::string contents;
  EXPECT_EQ(platform::ReadWholeFile(log_.Path(), contents), 0) << log_.Path();
  const auto body = contents.find("\r\n\r\n\r\n", contents.find("Data : "));
  std::vector<std::string> lines;
  std::istringstream stream(body == std::string::npos ? std::string() : contents.substr(body + 6));
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto text = line.find("]  ");
    lines.push_back(text == std::string::npos ? line : line.substr(text + 3));
  }
  return lines;
}

std::vector<std::string> ModuleTest::LinesLoggedBy(const std::function<void()>& call) const {
  const std::size_t before = LogLines().size();
  call();
  std::vector<std::string> after = LogLines();
  after.erase(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(std::min(before, after.size())));
  return after;
}

bool ModuleTest::Logged(const std::string& line) const {
  const std::vector<std::string> lines = LogLines();
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace inktest
