// The time source of the platform layer. Code that waits for something that
// changes over time (the pending states of services, and the callers' loops
// that poll them) reads and sleeps through the current clock, so that a test
// can replace it with a virtual one and run those loops without sleeping.
#pragma once

#include <chrono>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since a fixed epoch. The real clock counts from the Unix
  // epoch, so that times stored in the machine mean the same to every
  // process that shares it.
  virtual std::chrono::milliseconds Now() const = 0;
  // Blocks the calling thread (the real clock) or moves time on (a virtual
  // clock) by `duration`.
  virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

// The clock in use: the one set last, else the real clock.
Clock& CurrentClock();
// Makes `clock` the clock in use; null restores the real clock. The caller
// keeps ownership and must restore another clock before destroying it.
void SetCurrentClock(Clock* clock);

}  // namespace platform
