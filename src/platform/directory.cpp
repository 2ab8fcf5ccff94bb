// Creating and removing single directories.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors.h"
#include "platform/file_errors.h"
#include "platform/file_host.h"
#include "platform/files.h"

namespace platform {

long CreateDirectory(std::string_view path) {
  HostFile dir;
  if (const long error = LocateFile(CurrentMachine(), path, dir)) return Report(error);
  if (dir.exists) return Report(kErrorAlreadyExists);
  if (::mkdir(dir.path.c_str(), 0777) == 0) return Report(kErrorSuccess);
  switch (errno) {
    case EEXIST: return Report(kErrorAlreadyExists);
    case ENOENT: return Report(kErrorPathNotFound);
    default: return Report(ErrorFromErrno(errno));
  }
}

long RemoveDirectory(std::string_view path) {
  const Machine& machine = CurrentMachine();
  HostFile dir;
  if (const long error = LocateFile(machine, path, dir)) return Report(error);
  if (!dir.exists) return Report(MissingPathError(dir.path));
  if (!S_ISDIR(dir.status.st_mode)) return Report(kErrorDirectory);
  if (IsMachineRoot(machine, dir.path)) return Report(kErrorAccessDenied);
  if (::rmdir(dir.path.c_str()) == 0) return Report(kErrorSuccess);
  return Report(errno == EEXIST ? kErrorDirNotEmpty : ErrorFromErrno(errno));
}

}  // namespace platform
