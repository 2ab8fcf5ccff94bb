#include "platform/clock.h"

#include <atomic>
#include <thread>

namespace platform {

namespace {

class RealClock : public Clock {
 public:
  std::chrono::milliseconds Now() const override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch());
  }
  void Sleep(std::chrono::milliseconds duration) override {
    std::this_thread::sleep_for(duration);
  }
};

RealClock real_clock;
std::atomic<Clock*> current_clock{&real_clock};

}  // namespace

Clock& CurrentClock() { return *current_clock.load(); }

void SetCurrentClock(Clock* clock) { current_clock.store(clock ? clock : &real_clock); }

}  // namespace platform
