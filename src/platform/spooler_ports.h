// The printer ports of the machine's spooler. The list lives in ports.txt of
// the machine directory, one port a line, so that every process working on
// the machine sees the same ports; it is replaced as a whole under a lock. A
// machine without that file has the ports of a new Windows system: "LPT1:",
// "COM1:" and "FILE:". Results are Windows error numbers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One port as the spooler's port listing (level 2) describes it.
struct PortInfo {
  std::string name;         // "LPT1:", "USB001", "IP_10.0.0.5"
  std::string monitor;      // the port monitor that serves it
  std::string description;
};

// The ports in the order they were added.
long EnumPorts(std::vector<PortInfo>& ports);
// Adds a port: 0; 183 when a port of that name (letter case ignored)
// exists; 87 for an empty name or a field holding a tab or a line break.
long AddPort(const PortInfo& port);
// Removes a port: 0, or 1796 when there is none of that name.
long DeletePort(std::string_view name);

}  // namespace platform
