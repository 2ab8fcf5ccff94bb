// Persistence of the machine's services: rows of a SQLite database of their
// own (services.db in the machine directory), changed in transactions that
// processes sharing the machine cannot interleave.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/services.h"

namespace platform {

// A stored service: its definition, with `state` the state last entered,
// and the time (current clock, milliseconds) at which it was entered.
struct ServiceRecord {
  ServiceDefinition service;
  std::int64_t since_ms = 0;
};

// Reads the service `name`: 0, or 1060 when missing.
long ReadService(std::string_view name, ServiceRecord& record);
// Reads the service `name`, lets `change` alter the record and writes its
// state and time back, in one transaction. An error from `change` leaves
// the row as it was and is returned; 1060 when the service is missing.
long ChangeService(std::string_view name, const std::function<long(ServiceRecord&)>& change);
// Adds a row: 0, or 1073 when the name exists.
long AddService(const ServiceRecord& record);

// Database failures answer 1055 when another process holds the table too
// long, and 5 for anything else.

}  // namespace platform
