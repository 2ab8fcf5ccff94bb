// Named objects shared by the processes of one machine (the mutexes and
// activation channels of Windows kernel objects and windows) live as files
// in the machine's ipc/ directory.
#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// The host path (without extension) that stands for the object `name` of
// `kind` ("mutex", "window") in the current machine; the directory is
// created. Names are case-sensitive, as kernel object names are, and may
// hold any byte: everything but letters, digits, "-", "_" and "." is
// written as "%XX", and a name too long for a file name keeps its start
// and gets a hash of the whole. 0, or 5 when the directory cannot be made.
long NamedObjectPath(std::string_view kind, std::string_view name, std::filesystem::path& path);

}  // namespace platform
