#include "platform/spooler_ports.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "platform/code_page_text.h"
#include "platform/errors.h"
#include "platform/machine.h"
#include "platform/machine_lock.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr const char* kPortsFile = "ports.txt";
constexpr const char* kPortsNext = "ports.txt.next";
constexpr const char* kPortsLock = "ports.lock";
constexpr char kFieldSeparator = '\t';
constexpr const char* kLocalMonitor = "Local Port";

std::vector<PortInfo> NewSystemPorts() {
  return {{"LPT1:", kLocalMonitor, "Local Port"},
          {"COM1:", kLocalMonitor, "Local Port"},
          {"FILE:", kLocalMonitor, "Print to File"}};
}

// A line "name<TAB>monitor<TAB>description"; missing fields stay empty.
PortInfo ParsePort(const std::string& line) {
  PortInfo port;
  std::string* fields[] = {&port.name, &port.monitor, &port.description};
  std::size_t from = 0;
  for (std::string* field : fields) {
    const std::size_t tab = line.find(kFieldSeparator, from);
    *field = line.substr(from, tab == std::string::npos ? std::string::npos : tab - from);
    if (tab == std::string::npos) break;
    from = tab + 1;
  }
  return port;
}

bool IsStorable(std::string_view field) {
  return field.find_first_of("\t\r\n") == std::string_view::npos;
}

// The stored ports, or those of a new system when none were ever stored.
long ReadPorts(const Machine& machine, std::vector<PortInfo>& ports) {
  const fs::path file = machine.Directory() / kPortsFile;
  std::error_code ec;
  if (!fs::exists(file, ec)) {
    ports = NewSystemPorts();
    return kErrorSuccess;
  }
  std::ifstream in(file);
  if (!in) return kErrorAccessDenied;
  ports.clear();
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) ports.push_back(ParsePort(line));
  }
  return kErrorSuccess;
}

// Replaces the stored list as a whole; the caller holds the lock.
long WritePorts(const Machine& machine, const std::vector<PortInfo>& ports) {
  const fs::path next = machine.Directory() / kPortsNext;
  {
    std::ofstream out(next, std::ios::trunc);
    for (const PortInfo& port : ports) {
      out << port.name << kFieldSeparator << port.monitor << kFieldSeparator << port.description << '\n';
    }
    if (!out.flush()) return kErrorAccessDenied;
  }
  if (std::rename(next.c_str(), (machine.Directory() / kPortsFile).c_str()) != 0) return kErrorAccessDenied;
  return kErrorSuccess;
}

std::vector<PortInfo>::iterator FindPort(std::vector<PortInfo>& ports, std::string_view name) {
  const CodePageText text(CurrentMachine().Config().code_page);
  return std::find_if(ports.begin(), ports.end(),
                      [&](const PortInfo& port) { return text.Equal(port.name, name); });
}

}  // namespace

long EnumPorts(std::vector<PortInfo>& ports) {
  const Machine& machine = CurrentMachine();
  MachineLock lock(machine, kPortsLock);
  if (!lock.Held()) return kErrorAccessDenied;
  return ReadPorts(machine, ports);
}

long AddPort(const PortInfo& port) {
  if (port.name.empty() || !IsStorable(port.name) || !IsStorable(port.monitor) ||
      !IsStorable(port.description)) {
    return kErrorInvalidParameter;
  }
  const Machine& machine = CurrentMachine();
  MachineLock lock(machine, kPortsLock);
  if (!lock.Held()) return kErrorAccessDenied;
  std::vector<PortInfo> ports;
  if (const long error = ReadPorts(machine, ports); error != kErrorSuccess) return error;
  if (FindPort(ports, port.name) != ports.end()) return kErrorAlreadyExists;
  ports.push_back(port);
  return WritePorts(machine, ports);
}

long DeletePort(std::string_view name) {
  const Machine& machine = CurrentMachine();
  MachineLock lock(machine, kPortsLock);
  if (!lock.Held()) return kErrorAccessDenied;
  std::vector<PortInfo> ports;
  if (const long error = ReadPorts(machine, ports); error != kErrorSuccess) return error;
  const auto found = FindPort(ports, name);
  if (found == ports.end()) return kErrorUnknownPort;
  ports.erase(found);
  return WritePorts(machine, ports);
}

}  // namespace platform
