#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <utility>

#include "platform/errors.h"
#include "platform/named_objects.h"

namespace platform {

NamedMutex::NamedMutex(NamedMutex&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

NamedMutex& NamedMutex::operator=(NamedMutex&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

long NamedMutex::Create(std::string_view name) {
  Release();
  std::filesystem::path path;
  if (const long error = NamedObjectPath("mutex", name, path); error != kErrorSuccess) return error;
  // Close-on-exec: a started program must not inherit, and so keep, the lock.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return kErrorAccessDenied;
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? kErrorAlreadyExists : kErrorAccessDenied;
  }
  fd_ = fd;
  return kErrorSuccess;
}

void NamedMutex::Release() {
  // Closing the only descriptor of the lock file drops the flock. The file
  // stays: removing it could let two holders lock different files.
  if (fd_ >= 0) ::close(std::exchange(fd_, -1));
}

}  // namespace platform
