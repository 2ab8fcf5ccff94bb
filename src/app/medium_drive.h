// Where an installation medium, a host directory, appears on the machine:
// under the drive whose directory holds it, or else as a CD-ROM drive of
// its own, as a disc in the computer's drive.
#pragma once

#include <filesystem>
#include <string>

#include "platform/machine.h"

namespace app {

// The Windows path of the medium directory `medium` on `machine`. When no
// drive of the machine holds it, the medium becomes a new CD-ROM drive with
// the first free letter from D: and the machine's table is saved. False
// with a reason in `error` when the directory is missing, no letter is
// free, or the table cannot be saved.
bool MapMedium(platform::Machine& machine, const std::filesystem::path& medium, std::string& windows_path,
               std::string& error);

}  // namespace app
