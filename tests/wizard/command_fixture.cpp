#include "command_fixture.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "install/registry.h"
#include "profile/format.h"
#include "wizard/command_record.h"

namespace inktest {

namespace fs = std::filesystem;

bool RecordingHost::ToggleObjects(std::string_view names) {
  Record("ToggleObjects(" + std::string(names) + ")");
  return has_page;
}

void RecordingHost::EndWait(bool bring_to_front) {
  Record(bring_to_front ? "EndWait(front)" : "EndWait");
  std::lock_guard lock(mutex_);
  ++end_waits_;
  end_wait_signal_.notify_all();
}

void RecordingHost::PostCommand(wizard::CommandRecord record) {
  Record("PostCommand(" + record.type + "," + record.Parameter(1) + ")");
  std::lock_guard lock(mutex_);
  posted_.push_back(std::move(record));
}

int RecordingHost::AskUser(std::string_view text, std::uint32_t style) {
  Record(profile::Format("AskUser(0x%X)", style));
  std::lock_guard lock(mutex_);
  asked = text;
  return answer;
}

void RecordingHost::BeginWaitCursor() {
  std::lock_guard lock(mutex_);
  ++cursor_depth_;
}

void RecordingHost::EndWaitCursor() {
  std::lock_guard lock(mutex_);
  --cursor_depth_;
}

std::vector<std::string> RecordingHost::Calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

std::vector<wizard::CommandRecord> RecordingHost::TakePosted() {
  std::lock_guard lock(mutex_);
  return std::exchange(posted_, {});
}

bool RecordingHost::WaitForEndWait(int count, std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return end_wait_signal_.wait_for(lock, timeout, [&] { return end_waits_ >= count; });
}

int RecordingHost::WaitCursorDepth() const {
  std::lock_guard lock(mutex_);
  return cursor_depth_;
}

void RecordingHost::Record(std::string call) {
  std::lock_guard lock(mutex_);
  calls_.push_back(std::move(call));
}

bool RecordingEndOfRun::MergeHistory(const std::string& from, const std::string& to) {
  calls.push_back("MergeHistory(" + from + "," + to + ")");
  return true;
}

bool RecordingEndOfRun::UninstallHistory(const std::string& key) {
  calls.push_back("UninstallHistory(" + key + ")");
  return true;
}

bool RecordingEndOfRun::IsThereInstalledItem() {
  calls.push_back("IsThereInstalledItem");
  return item_installed;
}

void RecordingEndOfRun::StopNetworkDiscovery() { calls.push_back("StopNetworkDiscovery"); }

int FakePrinters::PrintSystemTestPage(std::string_view printer) {
  system_test_pages.emplace_back(printer);
  return 1;
}

std::string InstallingValue(const char* name) {
  char text[256] = "";
  CRegistry::GetValue("Software\\Maker\\Product\\Installing", name, text, platform::HKEY_LOCAL_MACHINE, sizeof text);
  return text;
}

CommandTest::CommandTest()
    : script_(medium_.temp().dir().parent_path() / "module-script.txt"),
      calls_(medium_.temp().dir().parent_path() / "module-calls.txt") {
  device_ = pending_device_.get();
  ::setenv("INKSTALL_TEST_MODULE_SCRIPT", script_.c_str(), 1);
  ::setenv("INKSTALL_TEST_MODULE_CALLS", calls_.c_str(), 1);
  platform::SetShellOpener([this](const platform::ShellRequest& request) {
    opened_.push_back(request);
    return opener_answer_;
  });
  platform::SetMessageBoxHandler([this](const platform::MessageBoxRequest& request) {
    boxes_.push_back(request);
    return 1;
  });
}

CommandTest::~CommandTest() {
  // The interpreter stops its waiting threads before the host goes.
  interpreter_.reset();
  platform::SetShellOpener({});
  platform::SetMessageBoxHandler({});
}

void CommandTest::Start(const std::string& configure, const std::string& commands, const std::string& data_extra) {
  medium_.WriteMedium(std::string(kProgramInfo) + data_extra);
  medium_.Write("data/ovinst.ovi", configure);
  medium_.Write("data/ovinst.cmd", commands);
  interpreter_.reset();
  // A second start keeps the utility module's answers of the first.
  if (!pending_device_) pending_device_ = std::make_unique<FakeModules>(*device_);
  device_ = pending_device_.get();
  environment_ = std::make_unique<CGlobalVariable>(std::move(pending_device_));
  if (!environment_->Init()) {
    ADD_FAILURE() << "the run environment could not be built";
    std::abort();
  }
  modules_.SetEnvironment(environment_.get());
  modules_.LoadModules(environment_->Profiles().Data(), "INSTALLER_FILE_INFO");
  interpreter_ = std::make_unique<CCmdOperator>(*environment_, modules_, host_, end_of_run_, printers_);
  interpreter_->Init();
}

void CommandTest::PlaceTestModules() {
  const std::pair<const char*, const char*> modules[] = {
      {"inktest_utility", "data/Ovutil.dll"},
      {"inktest_diagnosis", "data/Ovdiag.dll"},
      {"inktest_resource", "OVres.dll"},
  };
  for (const auto& [module, medium_path] : modules) {
    const fs::path target = medium_.MediumDir() / medium_path;
    fs::create_directories(target.parent_path());
    fs::copy_file(fs::path(INKTEST_MODULE_DIR) / (std::string(module) + ".so"), target,
                  fs::copy_options::overwrite_existing);
  }
}

void CommandTest::ScriptModules(const std::string& script) { std::ofstream(script_, std::ios::trunc) << script; }

std::vector<std::string> CommandTest::ModuleCalls() const {
  std::vector<std::string> calls;
  std::ifstream in(calls_);
  for (std::string line; std::getline(in, line);) calls.push_back(line);
  return calls;
}

void CommandTest::WriteProgram(const std::string& windows_relative, const std::string& body) {
  medium_.temp().WriteHostFile("drive_c/" + windows_relative, "#!/bin/sh\n" + body + "\n");
  ::chmod((medium_.temp().DriveC() / windows_relative).c_str(), 0755);
}

std::string CommandTest::ReadDriveC(const std::string& relative) {
  std::ifstream in(medium_.temp().DriveC() / relative, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> CommandTest::LinesLoggedBy(const std::function<void()>& call) const {
  const std::size_t before = medium_.LogLines().size();
  call();
  std::vector<std::string> after = medium_.LogLines();
  after.erase(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(std::min(before, after.size())));
  return after;
}

std::vector<std::string> CommandTest::RunLogged(const std::string& line, bool* result) {
  return LinesLoggedBy([&] {
    const bool ran = interpreter_->RunCommandLine(line);
    if (result != nullptr) *result = ran;
  });
}

}  // namespace inktest
