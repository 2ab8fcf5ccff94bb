// The names of the predefined registry roots, long ("HKEY_LOCAL_MACHINE")
// and short ("HKLM"), as people and text files write them.
#pragma once

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace platform {

// The long name of a predefined root, or null for any other handle.
const char* RegistryRootName(RegKey root);

// Splits "HKLM\Software\X" or "HKEY_LOCAL_MACHINE\Software\X" (letter case
// ignored) into its root and subkey; a root alone gives an empty subkey.
// False when the text does not begin with a known root.
bool SplitRegistryPath(std::string_view path, RegKey& root, std::string& subkey);

}  // namespace platform
