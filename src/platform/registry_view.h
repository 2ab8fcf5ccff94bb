// The 32-bit and 64-bit views of HKEY_LOCAL_MACHINE\Software on a 64-bit
// system: a 32-bit process sees HKLM\Software\Wow6432Node as its Software.
#pragma once

#include <cstdint>

#include "platform/machine.h"
#include "platform/registry_path.h"

namespace platform {

// The node that holds the 32-bit view under HKLM\Software.
inline constexpr const char* kWow64Node = "WOW6432Node";

// Rewrites `path`, a path given from HKEY_LOCAL_MACHINE with the access mask
// `access`, into the view the caller sees. On a 64-bit system a path under
// "Software" moves below Software\Wow6432Node when the caller asks for
// KEY_WOW64_32KEY, or when the installer runs as a 32-bit process and does
// not ask for KEY_WOW64_64KEY. A 32-bit system has one view. Paths that
// name Wow6432Node themselves are left as they are. Keys opened inside a
// view stay in it: paths given from any other key are never rewritten.
void ApplyRegistryView(const MachineConfig& config, std::uint32_t access, KeyPath& path);

}  // namespace platform
