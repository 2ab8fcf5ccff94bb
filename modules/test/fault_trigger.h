// The faults a test module raises on request.
#pragma once

#include <string_view>

namespace testmodule {

enum class FaultKind { kNone, kAccessViolation, kBusError, kDivisionByZero, kIllegalInstruction, kException };

// The kind a script names ("segv", "bus", "fpe", "ill", "throw"); kNone for
// anything else.
FaultKind FaultKindOf(std::string_view name);

// Raises the fault; returns only for kNone.
void RaiseFault(FaultKind kind);

}  // namespace testmodule
