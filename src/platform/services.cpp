#include "platform/services.h"

#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/service_store.h"

namespace platform {

namespace {

// The current clock's time in milliseconds.
std::int64_t NowMs() { return CurrentClock().Now().count(); }

// True for the start-pending and stop-pending states.
bool IsPending(std::uint32_t state) {
  return state == kServiceStartPending || state == kServiceStopPending;
}

// Where the service stands at `now_ms`: a pending state that has run its
// checkpoints becomes the state it was heading for, entered at the moment
// the last checkpoint fell due.
ServiceStatus Advance(ServiceRecord& record, std::int64_t now_ms) {
  const ServiceDefinition& service = record.service;
  if (!IsPending(service.state)) return {service.state, 0, 0};
  if (service.hangs) return {service.state, 0, service.wait_hint_ms};
  const std::int64_t elapsed = now_ms > record.since_ms ? now_ms - record.since_ms : 0;
  const std::int64_t checkpoints =
      service.wait_hint_ms == 0 ? service.pending_checkpoints : elapsed / service.wait_hint_ms;
  if (checkpoints < service.pending_checkpoints) {
    return {service.state, static_cast<std::uint32_t>(checkpoints), service.wait_hint_ms};
  }
  record.service.state = service.state == kServiceStartPending ? kServiceRunning : kServiceStopped;
  record.since_ms += std::int64_t{service.pending_checkpoints} * service.wait_hint_ms;
  return {record.service.state, 0, 0};
}

// Enters the pending state `pending` now, or its end at once when the
// service takes no checkpoints.
ServiceStatus Enter(ServiceRecord& record, std::uint32_t pending, std::int64_t now_ms) {
  record.service.state = pending;
  record.since_ms = now_ms;
  return Advance(record, now_ms);
}

}  // namespace

long CreateService(const ServiceDefinition& definition) {
  if (definition.name.empty() ||
      (definition.state != kServiceStopped && definition.state != kServiceRunning)) {
    return kErrorInvalidParameter;
  }
  return AddService({definition, NowMs()});
}

long Service::Open(std::string_view name) {
  ServiceRecord record;
  if (const long error = ReadService(name, record); error != kErrorSuccess) return error;
  name_ = record.service.name;
  display_name_ = record.service.display_name;
  return kErrorSuccess;
}

long Service::QueryStatus(ServiceStatus& status) const {
  if (name_.empty()) return kErrorInvalidHandle;
  ServiceRecord record;
  if (const long error = ReadService(name_, record); error != kErrorSuccess) return error;
  status = Advance(record, NowMs());
  return kErrorSuccess;
}

long Service::Start() {
  if (name_.empty()) return kErrorInvalidHandle;
  const std::int64_t now_ms = NowMs();
  return ChangeService(name_, [now_ms](ServiceRecord& record) {
    if (Advance(record, now_ms).state != kServiceStopped) return kErrorServiceAlreadyRunning;
    Enter(record, kServiceStartPending, now_ms);
    return kErrorSuccess;
  });
}

long Service::Control(std::uint32_t control, ServiceStatus& status) {
  if (name_.empty()) return kErrorInvalidHandle;
  if (control != kServiceControlStop && control != kServiceControlInterrogate) {
    return kErrorInvalidServiceControl;
  }
  const std::int64_t now_ms = NowMs();
  return ChangeService(name_, [&status, control, now_ms](ServiceRecord& record) {
    const ServiceStatus current = Advance(record, now_ms);
    if (current.state == kServiceStopped) return kErrorServiceNotActive;
    if (control == kServiceControlInterrogate) {
      status = current;
      return kErrorSuccess;
    }
    if (IsPending(current.state)) return kErrorServiceCannotAcceptCtrl;
    status = Enter(record, kServiceStopPending, now_ms);
    return kErrorSuccess;
  });
}

}  // namespace platform
