// Existence and attributes of files and directories, and the in-use marks
// that tests set.
#include <sys/stat.h>

#include <cerrno>

#include "platform/errors.h"
#include "platform/file_errors.h"
#include "platform/file_host.h"
#include "platform/files.h"
#include "platform/in_use.h"

namespace platform {

namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

// Locates `path`; 0 only when something is there.
long LocateExisting(std::string_view path, HostFile& file) {
  if (const long error = LocateFile(CurrentMachine(), path, file)) return error;
  return file.exists ? kErrorSuccess : MissingPathError(file.path);
}

}  // namespace

bool FileExists(std::string_view path) {
  HostFile file;
  return Report(LocateExisting(path, file)) == kErrorSuccess;
}

bool DirectoryExists(std::string_view path) {
  HostFile file;
  if (Report(LocateExisting(path, file)) != kErrorSuccess) return false;
  if (S_ISDIR(file.status.st_mode)) return true;
  Report(kErrorPathNotFound);
  return false;
}

std::uint32_t GetFileAttributes(std::string_view path) {
  HostFile file;
  if (Report(LocateExisting(path, file)) != kErrorSuccess) return kInvalidAttributes;
  return AttributesFromMode(file.status.st_mode);
}

long SetFileAttributes(std::string_view path, std::uint32_t attributes) {
  HostFile file;
  if (const long error = LocateExisting(path, file)) return Report(error);
  // Windows keeps the read-only attribute of a directory only as a hint for
  // the shell; it does not stop anything, so it is not kept here either.
  if (S_ISDIR(file.status.st_mode)) return Report(kErrorSuccess);
  const mode_t mode = file.status.st_mode & 07777;
  const mode_t wanted = (attributes & kAttributeReadOnly) ? mode & ~kWriteBits : mode | S_IWUSR;
  if (wanted != mode && ::chmod(file.path.c_str(), wanted) != 0) return Report(ErrorFromErrno(errno));
  return Report(kErrorSuccess);
}

void MarkInUse(std::string_view path, bool in_use) {
  const Machine& machine = CurrentMachine();
  HostFile file;
  if (const long error = LocateFile(machine, path, file)) {
    Report(error);
    return;
  }
  Report(SetInUseMark(machine, file.path, in_use) ? kErrorSuccess : kErrorAccessDenied);
}

}  // namespace platform
