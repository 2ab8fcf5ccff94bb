#include "app/service_control.h"

#include <algorithm>
#include <chrono>

#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/services.h"

namespace app {

namespace {

using std::chrono::milliseconds;

constexpr std::uint32_t kMinPollMs = 100;
constexpr std::uint32_t kMaxPollMs = 1000;

// Waits while `service` stays in `pending`: polls every tenth of its wait
// hint (100 ms to 1 s) and gives up once the checkpoint has not grown for
// longer than the hint. Then 0 with the state in `state` when the service
// reached `target`, else 1052; a failed query ends the wait with the last
// state known.
long WaitForState(const platform::Service& service, std::uint32_t pending, std::uint32_t target,
                  std::uint32_t* state) {
  platform::Clock& clock = platform::CurrentClock();
  platform::ServiceStatus status;
  if (service.QueryStatus(status) != platform::kErrorSuccess) return platform::kErrorInvalidServiceControl;
  milliseconds progress_time = clock.Now();
  std::uint32_t checkpoint = status.checkpoint;
  while (status.state == pending) {
    clock.Sleep(milliseconds(std::clamp(status.wait_hint_ms / 10, kMinPollMs, kMaxPollMs)));
    const std::uint32_t last_state = status.state;
    if (service.QueryStatus(status) != platform::kErrorSuccess) {
      if (state) *state = last_state;
      return platform::kErrorInvalidServiceControl;
    }
    if (status.checkpoint > checkpoint) {
      checkpoint = status.checkpoint;
      progress_time = clock.Now();
    } else if (clock.Now() - progress_time > milliseconds(status.wait_hint_ms)) {
      break;
    }
  }
  if (status.state != target) return platform::kErrorInvalidServiceControl;
  if (state) *state = target;
  return platform::kErrorSuccess;
}

}  // namespace

long MyStartService(std::string_view name, std::uint32_t* state) {
  platform::Service service;
  if (const long error = service.Open(name); error != platform::kErrorSuccess) return error;
  platform::ServiceStatus status;
  if (const long error = service.QueryStatus(status); error != platform::kErrorSuccess) return error;
  if (status.state == platform::kServiceRunning) {
    if (state) *state = platform::kServiceRunning;
    return platform::kErrorSuccess;
  }
  if (const long error = service.Start(); error != platform::kErrorSuccess) return error;
  return WaitForState(service, platform::kServiceStartPending, platform::kServiceRunning, state);
}

long MyStopService(std::string_view name, std::uint32_t* state) {
  platform::Service service;
  if (const long error = service.Open(name); error != platform::kErrorSuccess) return error;
  platform::ServiceStatus status;
  if (const long error = service.QueryStatus(status); error != platform::kErrorSuccess) return error;
  if (status.state == platform::kServiceStopped) {
    if (state) *state = platform::kServiceStopped;
    return platform::kErrorSuccess;
  }
  if (const long error = service.Control(platform::kServiceControlStop, status); error != platform::kErrorSuccess) {
    return error;
  }
  return WaitForState(service, platform::kServiceStopPending, platform::kServiceStopped, state);
}

long MyQueryServiceStatus(std::string_view name, std::uint32_t* state) {
  if (state == nullptr) return platform::kErrorInvalidParameter;
  platform::Service service;
  if (const long error = service.Open(name); error != platform::kErrorSuccess) return error;
  platform::ServiceStatus status;
  if (const long error = service.QueryStatus(status); error != platform::kErrorSuccess) return error;
  *state = status.state;
  return platform::kErrorSuccess;
}

}  // namespace app
