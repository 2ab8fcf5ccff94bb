#include "platform/machine_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

MachineLock::MachineLock(const Machine& machine, const char* name)
    : fd_(::open((machine.Directory() / name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
  if (fd_ < 0) return;
  int locked;
  do {
    locked = ::flock(fd_, LOCK_EX);
  } while (locked != 0 && errno == EINTR);
  if (locked != 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

MachineLock::~MachineLock() {
  if (fd_ >= 0) ::close(fd_);  // closing drops the lock
}

}  // namespace platform
