// Whether a file exists, and what kind of drive a path lies on.
#pragma once

#include <string_view>

namespace app {

// Drive kinds as the start section choice uses them.
enum DriveKind : int {
  kDriveKindOther = 0,
  kDriveKindRemovable = 1,
  kDriveKindFixed = 2,
  kDriveKindCdRom = 3,
  kDriveKindRamDisk = 4,
  kDriveKindRemote = 5,
};

// True when `path` names a file that can be opened for reading; a directory
// is not a file.
bool FileExists(std::string_view path);

// The kind of the drive of `path` (its text up to and including the first
// "\"), or of the installer's own program file when `path` is empty. A path
// without "\" and a drive the system cannot tell give kDriveKindOther.
int GetDriveKind(std::string_view path = {});

}  // namespace app
