#include "app/periodic_call.h"

#include <system_error>

namespace app {

bool PeriodicCall::Start(std::chrono::milliseconds period, std::function<void()> call) {
  if (thread_.joinable()) return false;
  call_ = std::move(call);
  stop_ = false;
  try {
    thread_ = std::thread([this, period] { Run(period); });
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

void PeriodicCall::Stop() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void PeriodicCall::Run(std::chrono::milliseconds period) {
  std::unique_lock lock(mutex_);
  while (!wake_.wait_for(lock, period, [this] { return stop_; })) {
    lock.unlock();
    call_();
    lock.lock();
  }
}

}  // namespace app
