// A clock whose time moves only when someone sleeps on it or advances it,
// made the platform's current clock for its lifetime.
#pragma once

#include <atomic>
#include <chrono>

#include "platform/clock.h"

namespace inktest {

class VirtualClock : public platform::Clock {
 public:
  VirtualClock() { platform::SetCurrentClock(this); }
  ~VirtualClock() override { platform::SetCurrentClock(nullptr); }
  VirtualClock(const VirtualClock&) = delete;
  VirtualClock& operator=(const VirtualClock&) = delete;

  std::chrono::milliseconds Now() const override {
    return std::chrono::milliseconds(now_ms_.load());
  }
  void Sleep(std::chrono::milliseconds duration) override { now_ms_ += duration.count(); }
  void Advance(std::chrono::milliseconds duration) { Sleep(duration); }

 private:
  std::atomic<std::chrono::milliseconds::rep> now_ms_{0};
};

}  // namespace inktest
