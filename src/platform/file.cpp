// The File class: an open host file behind a Windows path, with the checks
// Windows makes when a file is opened (existing or new, read-only, in use).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

#include "platform/errors.h"
#include "platform/file_errors.h"
#include "platform/file_host.h"
#include "platform/files.h"
#include "platform/machine.h"

namespace platform {

namespace {

// Whole files are read and written in pieces of this size.
constexpr std::uint32_t kWholeFileChunk = 64 * 1024;

int OpenFlags(Disposition disposition, std::uint32_t access) {
  int flags = O_CLOEXEC | O_NOFOLLOW;
  if (access & kAccessWrite) {
    flags |= (access & kAccessRead) ? O_RDWR : O_WRONLY;
  } else {
    flags |= O_RDONLY;
  }
  switch (disposition) {
    case Disposition::kCreateNew: return flags | O_CREAT | O_EXCL;
    case Disposition::kCreateAlways: return flags | O_CREAT | O_TRUNC;
    case Disposition::kOpenAlways: return flags | O_CREAT;
    case Disposition::kOpenExisting: break;
  }
  return flags;
}

}  // namespace

File::~File() { Close(); }

File::File(File&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

long File::Open(std::string_view path, Disposition disposition, std::uint32_t access) {
  Close();
  const Machine& machine = CurrentMachine();
  HostFile file;
  if (const long error = LocateFile(machine, path, file)) return Report(error);
  if (file.exists) {
    if (S_ISDIR(file.status.st_mode)) return Report(kErrorAccessDenied);
    if (disposition == Disposition::kCreateNew) return Report(kErrorFileExists);
    const bool changes = (access & kAccessWrite) || disposition == Disposition::kCreateAlways;
    if (changes) {
      if (const long error = CheckChangeable(machine, file)) return Report(error);
    }
  } else if (disposition == Disposition::kOpenExisting) {
    return Report(MissingPathError(file.path));
  }
  const int fd = ::open(file.path.c_str(), OpenFlags(disposition, access), 0666);
  if (fd < 0) return Report(errno == ENOENT ? MissingPathError(file.path) : ErrorFromErrno(errno));
  fd_ = fd;
  return Report(kErrorSuccess);
}

long File::Read(void* buffer, std::uint32_t size, std::uint32_t* read) {
  if (read) *read = 0;
  if (fd_ < 0) return Report(kErrorInvalidHandle);
  std::uint32_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd_, static_cast<char*>(buffer) + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Report(errno == EBADF ? kErrorAccessDenied : ErrorFromErrno(errno));
    if (got == 0) break;
    done += static_cast<std::uint32_t>(got);
  }
  if (read) *read = done;
  return Report(kErrorSuccess);
}

long File::Write(const void* data, std::uint32_t size) {
  if (fd_ < 0) return Report(kErrorInvalidHandle);
  std::uint32_t done = 0;
  while (done < size) {
    const ssize_t put = ::write(fd_, static_cast<const char*>(data) + done, size - done);
    if (put < 0 && errno == EINTR) continue;
    // EBADF on an open descriptor: it was opened for reading only.
    if (put < 0) return Report(errno == EBADF ? kErrorAccessDenied : ErrorFromErrno(errno));
    done += static_cast<std::uint32_t>(put);
  }
  return Report(kErrorSuccess);
}

long File::Size(std::uint64_t* size) const {
  struct stat status;
  if (fd_ < 0) return Report(kErrorInvalidHandle);
  if (::fstat(fd_, &status) != 0) return Report(ErrorFromErrno(errno));
  *size = static_cast<std::uint64_t>(status.st_size);
  return Report(kErrorSuccess);
}

long File::SetEnd() {
  if (fd_ < 0) return Report(kErrorInvalidHandle);
  const off_t position = ::lseek(fd_, 0, SEEK_CUR);
  if (position < 0) return Report(ErrorFromErrno(errno));
  if (::ftruncate(fd_, position) != 0) {
    return Report(errno == EBADF || errno == EINVAL ? kErrorAccessDenied : ErrorFromErrno(errno));
  }
  return Report(kErrorSuccess);
}

void File::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

long ReadWholeFile(std::string_view path, std::string& contents) {
  contents.clear();
  File file;
  if (const long error = file.Open(path, Disposition::kOpenExisting, kAccessRead)) return error;
  std::array<char, kWholeFileChunk> buffer;
  for (std::uint32_t got = 1; got > 0;) {
    if (const long error = file.Read(buffer.data(), buffer.size(), &got)) return error;
    contents.append(buffer.data(), got);
  }
  return Report(kErrorSuccess);
}

long WriteWholeFile(std::string_view path, std::string_view contents) {
  File file;
  if (const long error = file.Open(path, Disposition::kCreateAlways, kAccessWrite)) return error;
  while (!contents.empty()) {
    const auto chunk = static_cast<std::uint32_t>(std::min<std::size_t>(contents.size(), kWholeFileChunk));
    if (const long error = file.Write(contents.data(), chunk)) return error;
    contents.remove_prefix(chunk);
  }
  return Report(kErrorSuccess);
}

}  // namespace platform
