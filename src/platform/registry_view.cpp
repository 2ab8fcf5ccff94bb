#include "platform/registry_view.h"

#include "platform/registry.h"

namespace platform {

namespace {

bool WantsThe32BitView(const MachineConfig& config, std::uint32_t access) {
  if (!config.is_64bit) return false;
  if (access & KEY_WOW64_32KEY) return true;
  return config.wow64_process && !(access & KEY_WOW64_64KEY);
}

}  // namespace

void ApplyRegistryView(const MachineConfig& config, std::uint32_t access, KeyPath& path) {
  if (path.empty() || !RegistryNamesEqual(path[0], "Software")) return;
  if (!WantsThe32BitView(config, access)) return;
  if (path.size() > 1 && RegistryNamesEqual(path[1], kWow64Node)) return;
  path.insert(path.begin() + 1, kWow64Node);
}

}  // namespace platform
