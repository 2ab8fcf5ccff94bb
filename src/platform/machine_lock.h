// A lock the processes of one machine take in turn around a read, change
// and write of state they share, such as the in-use marks or the pending
// operations at restart.
#pragma once

#include "platform/machine.h"

namespace platform {

// Waits for an exclusive flock on the file `name` of the machine directory
// and holds it while the object lives. The system drops the lock when its
// holder ends in any way, so a crashed process never leaves it taken.
class MachineLock {
 public:
  MachineLock(const Machine& machine, const char* name);
  ~MachineLock();
  MachineLock(const MachineLock&) = delete;
  MachineLock& operator=(const MachineLock&) = delete;

  // False when the lock file could not be opened or locked.
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace platform
