#include "platform/file_host.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/in_use.h"
#include "platform/windows_path.h"

namespace platform {

namespace fs = std::filesystem;

long LocateFile(const Machine& machine, std::string_view path, HostFile& file) {
  if (const long error = machine.ToHostPath(path, file.path)) return error;
  file.exists = ::stat(file.path.c_str(), &file.status) == 0;
  return kErrorSuccess;
}

bool IsReadOnlyMode(mode_t mode) { return (mode & S_IWUSR) == 0; }

std::uint32_t AttributesFromMode(mode_t mode) {
  const std::uint32_t kind = S_ISDIR(mode) ? kAttributeDirectory : kAttributeArchive;
  return IsReadOnlyMode(mode) ? kind | kAttributeReadOnly : kind;
}

long CheckChangeable(const Machine& machine, const HostFile& file) {
  if (IsReadOnlyMode(file.status.st_mode)) return kErrorAccessDenied;
  if (IsMarkedInUse(machine, file.path)) return kErrorSharingViolation;
  return kErrorSuccess;
}

bool IsMachineRoot(const Machine& machine, const fs::path& host) {
  std::string windows_path;
  WindowsPath parsed;
  return machine.ToWindowsPath(host, windows_path) &&
         ParseWindowsPath(windows_path, "", machine.Config().code_page, parsed) && parsed.components.empty();
}

}  // namespace platform
