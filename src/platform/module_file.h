// The Windows path of the running installer's own program file, as
// GetModuleFileNameA answers it ("D:\setup.exe"). On a machine the program
// is a host executable, so the program that starts the installer says where
// its file stands on the machine: beside the data file of the medium.
#pragma once

#include <string>

namespace platform {

// Sets the path for the rest of the process.
void SetModuleFileName(std::string windows_path);
// The path set last; empty before one is set.
std::string GetModuleFileName();

}  // namespace platform
