// Names of host directory entries compared the way Windows compares file
// names: ASCII letters without regard to case, every other byte as it is.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// `c` with an ASCII lower-case letter made upper case; every other byte,
// including those of non-ASCII characters, as it is.
unsigned char FoldCase(char c);

bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// Orders names without regard to ASCII case; names that differ only in case
// are ordered by their bytes, so the order is total and the same everywhere.
bool NameLess(std::string_view a, std::string_view b);

// The names in directory `dir` (UTF-8, "." and ".." left out) sorted with
// NameLess; empty when `dir` cannot be read.
std::vector<std::string> SortedEntries(const std::filesystem::path& dir);

// The entry of `dir` that `name` denotes: `name` itself when it exists, else
// the first entry in NameLess order that matches it ignoring case; empty when
// there is none.
std::string FindEntryIgnoringCase(const std::filesystem::path& dir, const std::string& name);

}  // namespace platform
