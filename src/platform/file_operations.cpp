// Copying, moving and deleting files, with the refusals Windows gives:
// read-only files (5), files in use (32), existing targets (80 or 183).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>

#include "platform/errors.h"
#include "platform/file_errors.h"
#include "platform/file_host.h"
#include "platform/files.h"
#include "platform/in_use.h"
#include "platform/windows_path.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kCopyChunk = 64 * 1024;

bool SameFile(const HostFile& a, const HostFile& b) {
  return a.exists && b.exists && a.status.st_dev == b.status.st_dev && a.status.st_ino == b.status.st_ino;
}

// Copies the contents of the open `source` into the open `target`.
long CopyContents(File& source, File& target) {
  std::array<char, kCopyChunk> buffer;
  for (std::uint32_t got = 1; got > 0;) {
    if (const long error = source.Read(buffer.data(), buffer.size(), &got)) return error;
    if (const long error = target.Write(buffer.data(), got)) return error;
  }
  return kErrorSuccess;
}

// Gives the copy `target` what CopyFile carries over from `source`: the
// read-only attribute and the time of the last write.
void CopyAttributes(const HostFile& source, const fs::path& target) {
  if (IsReadOnlyMode(source.status.st_mode)) {
    ::chmod(target.c_str(), source.status.st_mode & 07777);
  }
  const struct timespec times[2] = {{0, UTIME_NOW}, source.status.st_mtim};
  ::utimensat(AT_FDCWD, target.c_str(), times, 0);
}

// Where a move to `to` lands when it names the moved file itself: the same
// file under the case `to` gives its last name, as a rename that only
// changes letter case does on Windows.
fs::path RenameTarget(const Machine& machine, std::string_view to, const fs::path& from_host) {
  WindowsPath parsed;
  if (!ParseWindowsPath(to, machine.CurrentDirectory(), machine.Config().code_page, parsed) ||
      parsed.components.empty()) {
    return from_host;
  }
  return from_host.parent_path() / parsed.components.back();
}

}  // namespace

long CopyFile(std::string_view from, std::string_view to, bool fail_if_exists) {
  const Machine& machine = CurrentMachine();
  HostFile source, target;
  if (const long error = LocateFile(machine, from, source)) return Report(error);
  if (const long error = LocateFile(machine, to, target)) return Report(error);
  if (!source.exists) return Report(MissingPathError(source.path));
  if (S_ISDIR(source.status.st_mode)) return Report(kErrorAccessDenied);
  // The source is open for reading while the target is written.
  if (SameFile(source, target)) return Report(kErrorSharingViolation);
  File in, out;
  if (const long error = in.Open(from, Disposition::kOpenExisting, kAccessRead)) return error;
  const Disposition disposition = fail_if_exists ? Disposition::kCreateNew : Disposition::kCreateAlways;
  if (const long error = out.Open(to, disposition, kAccessWrite)) return error;
  if (const long error = CopyContents(in, out)) {
    out.Close();
    ::unlink(target.path.c_str());  // no half-written copy stays behind
    return Report(error);
  }
  out.Close();
  CopyAttributes(source, target.path);
  return Report(kErrorSuccess);
}

long MoveFile(std::string_view from, std::string_view to) { return MoveFileEx(from, to, 0); }

long MoveFileEx(std::string_view from, std::string_view to, std::uint32_t flags) {
  const Machine& machine = CurrentMachine();
  HostFile source, target;
  if (const long error = LocateFile(machine, from, source)) return Report(error);
  if (const long error = LocateFile(machine, to, target)) return Report(error);
  if (!source.exists) return Report(MissingPathError(source.path));
  const bool is_directory = S_ISDIR(source.status.st_mode);
  if (IsMachineRoot(machine, source.path)) return Report(kErrorAccessDenied);
  // A directory holding an open file cannot be moved; Windows says 5.
  if (is_directory && HasMarkInUseWithin(machine, source.path)) return Report(kErrorAccessDenied);
  if (!is_directory && IsMarkedInUse(machine, source.path)) return Report(kErrorSharingViolation);
  if (target.path == source.path) {
    target.path = RenameTarget(machine, to, source.path);
  } else if (target.exists) {
    if (!(flags & kMoveReplaceExisting)) return Report(kErrorAlreadyExists);
    if (is_directory || S_ISDIR(target.status.st_mode)) return Report(kErrorAccessDenied);
    if (const long error = CheckChangeable(machine, target)) return Report(error);
  }
  if (std::rename(source.path.c_str(), target.path.c_str()) == 0) return Report(kErrorSuccess);
  if (errno == ENOENT) return Report(MissingPathError(target.path));
  if (errno != EXDEV || is_directory) return Report(ErrorFromErrno(errno));
  // Another host file system: a file is copied and the original removed.
  if (const long error = CopyFile(from, to, false)) return error;
  return Report(::unlink(source.path.c_str()) == 0 ? kErrorSuccess : ErrorFromErrno(errno));
}

long DeleteFile(std::string_view path) {
  const Machine& machine = CurrentMachine();
  HostFile file;
  if (const long error = LocateFile(machine, path, file)) return Report(error);
  if (!file.exists) return Report(MissingPathError(file.path));
  if (S_ISDIR(file.status.st_mode)) return Report(kErrorAccessDenied);
  if (const long error = CheckChangeable(machine, file)) return Report(error);
  return Report(::unlink(file.path.c_str()) == 0 ? kErrorSuccess : ErrorFromErrno(errno));
}

}  // namespace platform
