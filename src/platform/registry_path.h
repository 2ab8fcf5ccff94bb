// Key paths and names of the registry: "\" separates the parts of a path,
// and names compare without regard to letter case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The longest name of one key and of one value, in bytes, as Windows allows.
inline constexpr std::size_t kMaxKeyNameLength = 255;
inline constexpr std::size_t kMaxValueNameLength = 16383;

// The names of a subkey path from some key down, in the case given.
using KeyPath = std::vector<std::string>;

// Splits `subkey` ("A\B\C"; null or empty is the key itself; one trailing
// "\" is allowed) into its names. 87 for an empty name inside the path (a
// leading or doubled "\") or a name longer than kMaxKeyNameLength.
long ParseKeyPath(const char* subkey, KeyPath* path);

// The form of a name used to compare and sort: ASCII letters upper-cased,
// as the system orders registry names ("_" after the letters).
std::string FoldRegistryName(std::string_view name);

bool RegistryNamesEqual(std::string_view a, std::string_view b);

}  // namespace platform
