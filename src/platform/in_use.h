// Files marked as held open by another program. The marks live in the file
// in-use.txt of the machine directory, one real host path a line, so that
// every process working on the machine sees the same marks; the file is
// replaced as a whole under a lock, so a reader never sees half an update.
#pragma once

#include <filesystem>

#include "platform/machine.h"

namespace platform {

// True when the file at host path `host` is marked in use.
bool IsMarkedInUse(const Machine& machine, const std::filesystem::path& host);

// True when a file at or below host path `dir` is marked in use.
bool HasMarkInUseWithin(const Machine& machine, const std::filesystem::path& dir);

// Adds or removes the mark of `host`. False when the marks cannot be written
// or `host` has a line break in its name.
bool SetInUseMark(const Machine& machine, const std::filesystem::path& host, bool in_use);

// Drops every mark, as a restart of the machine ends every program.
bool ClearInUseMarks(const Machine& machine);

}  // namespace platform
