#include "app/pending_install.h"

#include "app/module_calls.h"
#include "platform/device_installs.h"
#include "platform/errors.h"

namespace app {

namespace {

constexpr std::uint32_t kStepMs = 1000;
constexpr int kMaxMoreSteps = 61;

}  // namespace

bool WaitNoPendingInstall(bool keep_dialog_in_front, IModuleCalls& modules) {
  if (platform::WaitNoPendingInstallEvents(kStepMs) == platform::kErrorSuccess) return false;
  if (keep_dialog_in_front) {
    while (platform::WaitNoPendingInstallEvents(kStepMs) == platform::kErrorWaitTimeout) {
      modules.MySetForegroundNHWdDialog();
    }
  } else {
    for (int step = 0; step < kMaxMoreSteps; ++step) {
      if (platform::WaitNoPendingInstallEvents(kStepMs) != platform::kErrorWaitTimeout) break;
    }
  }
  return true;
}

}  // namespace app
