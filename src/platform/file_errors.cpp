#include "platform/file_errors.h"

#include <cerrno>
#include <system_error>

#include "platform/errors.h"

namespace platform {

long ErrorFromErrno(int errno_value) {
  switch (errno_value) {
    case 0: return kErrorSuccess;
    case ENOENT: return kErrorFileNotFound;
    case ENOTDIR: return kErrorPathNotFound;
    case EEXIST: return kErrorFileExists;
    case ENOTEMPTY: return kErrorDirNotEmpty;
    case ENOSPC:
    case EDQUOT: return kErrorDiskFull;
    case ENAMETOOLONG: return kErrorFilenameTooLong;
    case EBUSY:
    case ETXTBSY: return kErrorSharingViolation;
    case EBADF: return kErrorInvalidHandle;
    case EINVAL: return kErrorInvalidParameter;
    case ENOMEM: return kErrorOutOfMemory;
    default: return kErrorAccessDenied;  // EACCES, EPERM, EROFS, EISDIR, ELOOP...
  }
}

long MissingPathError(const std::filesystem::path& host) {
  std::error_code ec;
  return std::filesystem::is_directory(host.parent_path(), ec) ? kErrorFileNotFound : kErrorPathNotFound;
}

long Report(long code) {
  SetLastError(code);
  return code;
}

}  // namespace platform
