#include "wizard/program_waiter.h"

#include <algorithm>

#include "platform/errors.h"

namespace wizard {

CProgramWaiter::~CProgramWaiter() {
  stopping_ = true;
  std::vector<Watch> watches;
  {
    std::lock_guard lock(mutex_);
    watches.swap(watches_);
  }
  for (Watch& watch : watches) watch.thread.join();
}

void CProgramWaiter::Wait(platform::Process process, bool bring_to_front) {
  std::lock_guard lock(mutex_);
  JoinFinished();
  ++running_;
  bring_to_front_ = bring_to_front_ || bring_to_front;
  // Under the lock, so that a program ending on another thread cannot slip
  // its EndWait in after this DisableWindows.
  host_.DisableWindows();
  auto done = std::make_shared<std::atomic<bool>>(false);
  watches_.push_back({std::thread([this, process, done] { WatchUntilEnd(process, *done); }), done});
}

void CProgramWaiter::WatchUntilEnd(const platform::Process& process, std::atomic<bool>& done) {
  while (process.Wait(kWatchStepMs) == platform::kErrorWaitTimeout) {
    if (stopping_) {
      done = true;
      return;
    }
  }
  std::lock_guard lock(mutex_);
  if (--running_ == 0 && !stopping_) {
    host_.EndWait(bring_to_front_);
    bring_to_front_ = false;
  }
  done = true;
}

void CProgramWaiter::JoinFinished() {
  const auto finished =
      std::partition(watches_.begin(), watches_.end(), [](const Watch& watch) { return !*watch.done; });
  for (auto it = finished; it != watches_.end(); ++it) it->thread.join();
  watches_.erase(finished, watches_.end());
}

}  // namespace wizard
