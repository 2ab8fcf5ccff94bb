// A thread that makes one call again and again, waiting a period before
// each, until it is stopped. Stopping wakes it at once, so that the thread
// has ended (and made its last call) when Stop returns.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace app {

class PeriodicCall {
 public:
  PeriodicCall() = default;
  ~PeriodicCall() { Stop(); }
  PeriodicCall(const PeriodicCall&) = delete;
  PeriodicCall& operator=(const PeriodicCall&) = delete;

  // Starts calling `call` every `period`, the first time after one period;
  // false when the thread cannot be created or one runs already.
  bool Start(std::chrono::milliseconds period, std::function<void()> call);
  // Stops the calls and waits for the thread.
  void Stop();
  bool Running() const { return thread_.joinable(); }

 private:
  void Run(std::chrono::milliseconds period);

  std::function<void()> call_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace app
