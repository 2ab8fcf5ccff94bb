// Finding the host program that stands for a Windows program name.
#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// True when the name ends in an extension that Windows runs as a program
// (".exe", ".com", ".bat", ".cmd"), in any letter case.
bool HasProgramExtension(std::string_view name);

// Maps a Windows program name to the host file to execute. A name with a
// path is mapped through the machine; a bare name ("x.exe") is looked for
// in the current directory, then the system directory, then the Windows
// directory. For each place "x.exe" itself is tried first, then "x" (the
// name without its program extension), and the first host file that is
// executable wins. Returns 0 with `host` set; 193 when a candidate exists but
// none can be executed; 2 when nothing exists; 3 when the directory of an
// explicit path is missing; or the error of mapping the path (5 for a path
// that leaves the machine).
long FindProgram(std::string_view program, std::filesystem::path& host);

}  // namespace platform
