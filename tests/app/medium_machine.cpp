#include "medium_machine.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/files.h"
#include "platform/module_file.h"

namespace inktest {

namespace {

constexpr std::size_t kStampLength = 12;  // "[hh.mm.ss]  "

}  // namespace

MediumMachine::MediumMachine(const std::function<void(platform::MachineConfig&)>& configure)
    : temp_(configure), log_("setup.exe") {
  SetLog(&log_);
  platform::SetModuleFileName("C:\\Medium\\setup.exe");
}

MediumMachine::~MediumMachine() {
  SetLog(nullptr);
  platform::SetModuleFileName({});
}

void MediumMachine::Write(const std::string& relative, const std::string& text) const {
  temp_.WriteHostFile("drive_c/Medium/" + relative, text);
}

void MediumMachine::WriteMedium(const std::string& data, const std::string& english_messages) const {
  Write("setup.dat", data);
  Write("data/ovinst.ovi", "[INSTALL_START_INFO]\nCMD_TYPE = CT_OPEN_DLG\n");
  Write("data/ovinst.cmd", "[CMD]\n");
  Write("data/String/Lang_EN.str", "[MESSAGES]\n" + english_messages);
}

std::vector<std::string> MediumMachine::LogLines() const {
  std::string contents;
  EXPECT_EQ(platform::ReadWholeFile(log_.Path(), contents), 0);
  const std::size_t header_end = contents.find("\r\n\r\n\r\n");
  std::vector<std::string> lines;
  for (std::size_t at = header_end + 6; at < contents.size();) {
    const std::size_t end = contents.find("\r\n", at);
    const std::string line = contents.substr(at, end - at);
    // A system error text ends in a line break of its own, which leaves a
    // line without a stamp.
    lines.push_back(line.starts_with("[") ? line.substr(kStampLength) : line);
    at = end + 2;
  }
  return lines;
}

bool MediumMachine::Logged(std::string_view line) const {
  const auto lines = LogLines();
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace inktest
