#include "module_script.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include "fault_trigger.h"
#include "inkstall_module.h"

namespace testmodule {

namespace {

constexpr const char* kScriptVariable = "INKSTALL_TEST_MODULE_SCRIPT";
constexpr const char* kCallsVariable = "INKSTALL_TEST_MODULE_CALLS";
// How long a rendezvous waits for the other callers before it gives up.
constexpr auto kRendezvousLimit = std::chrono::seconds(10);

std::atomic<int> rendezvous_arrivals{0};

// Appends `line` and a newline with one write, so that lines of calls made
// at the same time never mix.
void AppendCall(std::string line) {
  const char* path = std::getenv(kCallsVariable);
  if (path == nullptr) return;
  const int fd = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return;
  line += '\n';
  const ssize_t written = ::write(fd, line.data(), line.size());
  (void)written;
  ::close(fd);
}

void WaitForOthers(std::int64_t callers) {
  const int arrived = ++rendezvous_arrivals;
  const auto give_up = std::chrono::steady_clock::now() + kRendezvousLimit;
  if (arrived >= callers) return;
  while (rendezvous_arrivals.load() < callers && std::chrono::steady_clock::now() < give_up) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

}  // namespace

void Argument::AppendTo(std::string& line) const {
  if (is_number_) {
    line += std::to_string(number_);
  } else {
    line += text_;
  }
}

std::string Setting(std::string_view entry, std::string_view name) {
  const char* path = std::getenv(kScriptVariable);
  if (path == nullptr) return {};
  std::string wanted(entry);
  wanted += '.';
  wanted += name;
  wanted += '=';
  std::ifstream script(path);
  std::string value;
  for (std::string line; std::getline(script, line);) {
    if (line.starts_with(wanted)) value = line.substr(wanted.size());
  }
  return value;
}

std::int64_t NumberSetting(std::string_view entry, std::string_view name, std::int64_t fallback) {
  const std::string value = Setting(entry, name);
  return value.empty() ? fallback : std::strtoll(value.c_str(), nullptr, 0);
}

std::int32_t Answer(const char* entry, std::initializer_list<Argument> arguments, std::int32_t fallback) {
  FaultKind fault = FaultKind::kNone;
  std::int32_t result = fallback;
  std::int64_t rendezvous = 0;
  {
    // Everything that owns memory ends with this block, so that a fault
    // raised below leaks nothing.
    std::string line = entry;
    line += '(';
    bool first = true;
    for (const Argument& argument : arguments) {
      if (!first) line += ',';
      first = false;
      argument.AppendTo(line);
    }
    line += ')';
    const std::string match = Setting(entry, "fault_match");
    if (match.empty() || line.find(match) != std::string::npos) fault = FaultKindOf(Setting(entry, "fault"));
    result = static_cast<std::int32_t>(NumberSetting(entry, "result", fallback));
    rendezvous = NumberSetting(entry, "rendezvous", 0);
    AppendCall(std::move(line));
  }
  if (rendezvous > 0) WaitForOthers(rendezvous);
  RaiseFault(fault);
  return result;
}

void FillText(const char* entry, char* buffer) {
  if (Setting(entry, "fill") == "unterminated") {
    std::memset(buffer, 'A', INK_MODULE_TEXT_SIZE);
    return;
  }
  const std::string text = Setting(entry, "text");
  std::strncpy(buffer, text.c_str(), INK_MODULE_TEXT_SIZE - 1);
}

void FillTexts(const char* entry, char* buffer) {
  if (Setting(entry, "fill") == "unterminated") {
    std::memset(buffer, 'A', INK_MODULE_TEXT_SIZE);
    return;
  }
  std::string texts = Setting(entry, "texts");
  for (char& c : texts) {
    if (c == ',') c = '\0';
  }
  std::memcpy(buffer, texts.data(), std::min<std::size_t>(texts.size(), INK_MODULE_TEXT_SIZE - 1));
}

}  // namespace testmodule
