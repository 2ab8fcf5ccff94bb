// Whether the spooler knows a printer port.
#pragma once

#include <string_view>

namespace app {

// True when the local spooler lists a port named `name`, letter case
// ignored. False for an empty name and when the ports cannot be listed.
bool PortExists(std::string_view name);

}  // namespace app
