// Named mutexes across the processes of one machine, as the installer uses
// one to run as a single instance per product.
#pragma once

#include <string_view>

namespace platform {

// A named mutex held through an exclusive flock on a lock file of the
// machine, so that the system releases it when its holder ends in any way,
// a crash included. The lock is per object: a second NamedMutex of the same
// name, even in the same process, is refused while the first holds it.
class NamedMutex {
 public:
  NamedMutex() = default;
  ~NamedMutex() { Release(); }
  NamedMutex(NamedMutex&& other) noexcept;
  NamedMutex& operator=(NamedMutex&& other) noexcept;
  NamedMutex(const NamedMutex&) = delete;
  NamedMutex& operator=(const NamedMutex&) = delete;

  // Creates the mutex `name` owned by this object: 0 when no one else holds
  // it. 183 when another holder has it, as creating an existing mutex
  // reports; this object then holds nothing. 5 when the lock file cannot be
  // made. A mutex held before is released first.
  long Create(std::string_view name);
  // Gives the mutex up; nothing happens when none is held.
  void Release();
  bool IsOwned() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace platform
