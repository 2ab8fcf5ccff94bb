#include "app/port_check.h"

#include <vector>

#include "platform/code_page_text.h"
#include "platform/errors.h"
#include "platform/spooler_ports.h"
#include "platform/system_info.h"

namespace app {

bool PortExists(std::string_view name) {
  if (name.empty()) return false;
  std::vector<platform::PortInfo> ports;
  if (platform::EnumPorts(ports) != platform::kErrorSuccess) return false;
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  for (const platform::PortInfo& port : ports) {
    if (code_page.Equal(port.name, name)) return true;
  }
  return false;
}

}  // namespace app
