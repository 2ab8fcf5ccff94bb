// Waiting for programs that commands started: each program is watched on a
// thread of its own, and the wizard's windows stay disabled until the last
// program being waited for has ended, however many are started and in
// whatever order they end.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/process.h"
#include "wizard/wizard_host.h"

namespace wizard {

class CProgramWaiter {
 public:
  // `host` must outlive the waiter.
  explicit CProgramWaiter(IWizardHost& host) : host_(host) {}
  // Stops watching (the programs go on running; their windows are not
  // enabled again) and joins the watching threads.
  ~CProgramWaiter();
  CProgramWaiter(const CProgramWaiter&) = delete;
  CProgramWaiter& operator=(const CProgramWaiter&) = delete;

  // Disables the windows (IWizardHost::DisableWindows) and watches
  // `process`. When it has ended and no other program is still being
  // waited for, EndWait enables them again, bringing the wizard to the
  // front when any program waited for since they were disabled asked for it.
  void Wait(platform::Process process, bool bring_to_front);

  // How often a watching thread looks whether the waiter is being
  // destroyed.
  static constexpr std::uint32_t kWatchStepMs = 100;

 private:
  struct Watch {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };

  // The body of a watching thread.
  void WatchUntilEnd(const platform::Process& process, std::atomic<bool>& done);
  // Joins the threads that have finished; the caller holds mutex_.
  void JoinFinished();

  IWizardHost& host_;
  std::mutex mutex_;
  int running_ = 0;
  bool bring_to_front_ = false;
  std::atomic<bool> stopping_{false};
  std::vector<Watch> watches_;
};

}  // namespace wizard
