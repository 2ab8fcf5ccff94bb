// The guarded call through which the installer calls every plug-in module
// entry point, and the log lines of its two failures: the entry point is
// absent ("Call MyInstall ==> NULL"), or the module faulted during the call
// ("Call MyInstall() ==> GPF!!!!"). The line written before a call names
// the arguments, so it is the caller's.
#pragma once

#include <string_view>

#include "platform/fault_guard.h"

namespace printer {

// Writes "Call <name> ==> NULL".
void LogAbsent(std::string_view name);
// Writes "Call <name>() ==> GPF!!!!".
void LogFault(std::string_view name);

// Writes the absent line of entry point `name` and gives `absent_value`.
template <typename Result>
Result Absent(std::string_view name, Result absent_value) {
  LogAbsent(name);
  return absent_value;
}

// The result of `call`, which calls the entry point `name`; after a fault
// in it, the fault line and `fault_value`. `call` must hold nothing that
// needs destruction (see RunGuarded).
template <typename Result, typename Call>
Result CallGuarded(std::string_view name, Result fault_value, Call&& call) {
  Result result = fault_value;
  if (platform::RunGuarded([&] { result = call(); }) == platform::Fault::kNone) return result;
  LogFault(name);
  return fault_value;
}

}  // namespace printer
