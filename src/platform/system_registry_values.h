// The values a new machine's registry holds about where Windows lives, as
// programs read them from the registry rather than ask the system: the
// program files directory, the Windows directory of a terminal server, and
// the setup source path.
#pragma once

#include "platform/machine.h"

namespace platform {

// Writes those values into the registry of `machine`: ProgramFilesDir
// ("C:\Program Files") under HKLM\Software\Microsoft\Windows\CurrentVersion,
// SystemRoot under ...\Windows NT\CurrentVersion and SourcePath under
// ...\Windows\CurrentVersion\Setup; on a 64-bit machine also in the 32-bit
// view, where ProgramFilesDir is "C:\Program Files (x86)" as on Windows.
// 0, or the registry's error.
long SeedSystemRegistryValues(const Machine& machine);

}  // namespace platform
