#include "platform/activation_channel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/errors.h"
#include "platform/named_objects.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr const char* kObjectKind = "window";
constexpr char kRequest = 'A';
constexpr std::size_t kReadChunk = 64;

// The lock file and FIFO of `name`; false when the directory cannot be made.
bool ChannelPaths(std::string_view name, fs::path& lock, fs::path& fifo) {
  fs::path base;
  if (NamedObjectPath(kObjectKind, name, base) != kErrorSuccess) return false;
  lock = base.string() + ".lock";
  fifo = base.string() + ".fifo";
  return true;
}

// Makes sure `path` is a FIFO, replacing whatever else is there.
bool EnsureFifo(const fs::path& path) {
  struct stat info;
  if (::lstat(path.c_str(), &info) == 0) {
    if (S_ISFIFO(info.st_mode)) return true;
    ::unlink(path.c_str());
  }
  return ::mkfifo(path.c_str(), 0600) == 0 || errno == EEXIST;
}

// Closes `fd` when open and marks it closed.
void CloseFd(int& fd) {
  if (fd >= 0) ::close(std::exchange(fd, -1));
}

}  // namespace

long ActivationListener::Listen(std::string_view name, std::function<void()> on_activate) {
  Stop();
  fs::path lock_path, fifo_path;
  if (!ChannelPaths(name, lock_path, fifo_path)) return kErrorAccessDenied;
  lock_fd_ = ::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lock_fd_ < 0) return kErrorAccessDenied;
  if (::flock(lock_fd_, LOCK_EX | LOCK_NB) != 0) {
    const bool taken = errno == EWOULDBLOCK;
    CloseFd(lock_fd_);
    return taken ? kErrorAlreadyExists : kErrorAccessDenied;
  }
  // Opened for reading and writing, the FIFO never reports end of file
  // between requests, and opening it for writing succeeds exactly while a
  // listener holds it.
  int wake[2];
  if (!EnsureFifo(fifo_path) ||
      (fifo_fd_ = ::open(fifo_path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC)) < 0 ||
      ::pipe2(wake, O_CLOEXEC) != 0) {
    CloseFd(fifo_fd_);
    CloseFd(lock_fd_);
    return kErrorAccessDenied;
  }
  wake_read_fd_ = wake[0];
  wake_write_fd_ = wake[1];
  on_activate_ = std::move(on_activate);
  try {
    thread_ = std::thread(&ActivationListener::Run, this);
  } catch (const std::system_error&) {
    CloseFd(wake_read_fd_);
    CloseFd(wake_write_fd_);
    CloseFd(fifo_fd_);
    CloseFd(lock_fd_);
    return kErrorOutOfMemory;
  }
  return kErrorSuccess;
}

void ActivationListener::Stop() {
  if (thread_.joinable()) {
    const char stop = 0;
    while (::write(wake_write_fd_, &stop, 1) < 0 && errno == EINTR) {
    }
    thread_.join();
  }
  // The FIFO closes before the name is given up, so that a request never
  // reaches a listener that is going away.
  CloseFd(fifo_fd_);
  CloseFd(wake_read_fd_);
  CloseFd(wake_write_fd_);
  CloseFd(lock_fd_);
  on_activate_ = nullptr;
}

// The listener's thread: calls the callback once per request byte until
// Stop writes to the wake pipe.
void ActivationListener::Run() {
  pollfd fds[2] = {{fifo_fd_, POLLIN, 0}, {wake_read_fd_, POLLIN, 0}};
  while (true) {
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents != 0 || (fds[0].revents & (POLLERR | POLLNVAL)) != 0) return;
    char requests[kReadChunk];
    const ssize_t count = ::read(fifo_fd_, requests, sizeof requests);
    for (ssize_t i = 0; i < count; ++i) on_activate_();
  }
}

bool RequestActivation(std::string_view name) {
  fs::path lock_path, fifo_path;
  if (!ChannelPaths(name, lock_path, fifo_path)) return false;
  // Without a reader, a non-blocking open for writing fails (ENXIO).
  const int fd = ::open(fifo_path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  ssize_t written;
  do {
    written = ::write(fd, &kRequest, 1);
  } while (written < 0 && errno == EINTR);
  ::close(fd);
  return written == 1;
}

}  // namespace platform
