// The kind of a drive of the machine, as GetDriveTypeA names it.
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

enum DriveType : std::uint32_t {
  kDriveUnknown = 0,
  kDriveNoRootDir = 1,
  kDriveRemovable = 2,
  kDriveFixed = 3,
  kDriveRemote = 4,
  kDriveCdRom = 5,
  kDriveRamDisk = 6,
};

// The type of the drive whose root is `root`: "C:\" (or "C:"), "\" for the
// drive of the current directory, or "\\server\share\" (remote). A letter
// the machine has no drive for, and any other text, give kDriveNoRootDir.
std::uint32_t GetDriveType(std::string_view root);

}  // namespace platform
