#include "platform/drive_type.h"

#include <string>

#include "platform/machine.h"
#include "platform/windows_path.h"

namespace platform {

namespace {

std::uint32_t TypeOf(DriveKind kind) {
  switch (kind) {
    case DriveKind::kCdRom: return kDriveCdRom;
    case DriveKind::kRemovable: return kDriveRemovable;
    case DriveKind::kRemote: return kDriveRemote;
    case DriveKind::kFixed: break;
  }
  return kDriveFixed;
}

// True for "\\server\share" with an optional final separator.
bool IsShareRoot(std::string_view root) {
  if (root.size() < 2 || !IsPathSeparator(root[0]) || !IsPathSeparator(root[1])) return false;
  const std::string_view rest = root.substr(2);
  const std::size_t split = rest.find_first_of("\\/");
  if (split == 0 || split == std::string_view::npos || split + 1 >= rest.size()) return false;
  const std::string_view share = rest.substr(split + 1);
  const std::size_t end = share.find_first_of("\\/");
  return end == std::string_view::npos || end + 1 == share.size();
}

}  // namespace

std::uint32_t GetDriveType(std::string_view root) {
  const Machine& machine = CurrentMachine();
  if (IsShareRoot(root)) return kDriveRemote;
  std::string with_drive(root);
  if (root.size() == 1 && IsPathSeparator(root[0])) with_drive = machine.CurrentDirectory().substr(0, 2);
  const bool drive_root = HasDriveLetter(with_drive) &&
                          (with_drive.size() == 2 || (with_drive.size() == 3 && IsPathSeparator(with_drive[2])));
  if (!drive_root) return kDriveNoRootDir;
  const Drive* drive = machine.FindDrive(with_drive[0]);
  return drive ? TypeOf(drive->kind) : kDriveNoRootDir;
}

}  // namespace platform
