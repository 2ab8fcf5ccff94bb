#include "app/file_checks.h"

#include <string>

#include "platform/drive_type.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/module_file.h"

namespace app {

bool FileExists(std::string_view path) {
  if (path.empty()) return false;
  const std::uint32_t attributes = platform::GetFileAttributes(path);
  if (attributes == platform::kInvalidAttributes || (attributes & platform::kAttributeDirectory)) return false;
  platform::File file;
  return file.Open(path, platform::Disposition::kOpenExisting, platform::kAccessRead) == platform::kErrorSuccess;
}

int GetDriveKind(std::string_view path) {
  const std::string file = path.empty() ? platform::GetModuleFileName() : std::string(path);
  const std::size_t slash = file.find('\\');
  if (slash == std::string::npos) return kDriveKindOther;
  switch (platform::GetDriveType(std::string_view(file).substr(0, slash + 1))) {
    case platform::kDriveRemovable: return kDriveKindRemovable;
    case platform::kDriveFixed: return kDriveKindFixed;
    case platform::kDriveCdRom: return kDriveKindCdRom;
    case platform::kDriveRamDisk: return kDriveKindRamDisk;
    case platform::kDriveRemote: return kDriveKindRemote;
    default: return kDriveKindOther;
  }
}

}  // namespace app
