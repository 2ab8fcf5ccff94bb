// The services of a machine: a table of named services with a state that
// start and stop requests move through pending states over time, shared by
// every process of the machine. Results are Windows error numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

enum ServiceState : std::uint32_t {
  kServiceStopped = 1,
  kServiceStartPending = 2,
  kServiceStopPending = 3,
  kServiceRunning = 4,
};

enum ServiceControl : std::uint32_t {
  kServiceControlStop = 1,
  kServiceControlInterrogate = 4,
};

struct ServiceStatus {
  std::uint32_t state = kServiceStopped;
  std::uint32_t checkpoint = 0;    // grows while a pending state makes progress
  std::uint32_t wait_hint_ms = 0;  // time within which the next checkpoint is due; 0 when settled
};

// How a service behaves. A start or stop enters the pending state with
// checkpoint 0; each time `wait_hint_ms` passes on the current clock the
// checkpoint grows by one, and after `pending_checkpoints` of them the
// service is running, respectively stopped. A service that `hangs` stays
// pending without progress for ever.
struct ServiceDefinition {
  std::string name;  // compared without letter case
  std::string display_name;
  std::uint32_t state = kServiceStopped;  // stopped or running at creation
  std::uint32_t wait_hint_ms = 1000;
  std::uint32_t pending_checkpoints = 2;  // 0: starts and stops at once
  bool hangs = false;
};

// Adds a service to the machine: 0; 1073 when the name exists; 87 for an
// empty name or a state other than stopped or running.
long CreateService(const ServiceDefinition& definition);

// An open service. Every operation reads the machine's table anew, so other
// processes' changes are seen at once.
class Service {
 public:
  // 0, or 1060 when the machine has no such service.
  long Open(std::string_view name);
  const std::string& Name() const { return name_; }
  const std::string& DisplayName() const { return display_name_; }

  // The status now. 6 for a service that was never opened.
  long QueryStatus(ServiceStatus& status) const;
  // Starts a stopped service: 0 with the service start-pending (or running
  // at once); 1056 when it is not stopped.
  long Start();
  // Sends a control and answers the status after it. Stop: 0 with the
  // service stop-pending (or stopped at once); 1062 when it is stopped,
  // 1061 while it is pending. Interrogate: the status; 1062 when stopped.
  // Any other control: 1052.
  long Control(std::uint32_t control, ServiceStatus& status);

 private:
  std::string name_;
  std::string display_name_;
};

}  // namespace platform
