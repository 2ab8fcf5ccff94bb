// Calls into code that may fault, such as the plug-in modules of a medium:
// a fault raised by the call on the calling thread (an invalid memory
// access, a bus error, an arithmetic fault, an illegal instruction, or a
// C++ exception) ends the call and is reported to the caller, and the
// process goes on. This stands in for the structured exception handling
// with which the installer guards its module calls on Windows.
//
// Faults are hardware signals sent to the faulting thread, so any number of
// threads may be inside guarded calls, and fault, at the same time. A fault
// on a thread that is not inside a guarded call is handled as if there were
// no guard: by the handler that was installed before (a sanitizer's, for
// example), else by the system's default action.
//
// What the faulting code had on its stack is abandoned without running
// destructors, as on Windows: whatever it held (locks, memory) stays held.
#pragma once

#include <type_traits>

namespace platform {

enum class Fault {
  kNone,                // the call returned
  kAccessViolation,     // SIGSEGV
  kBusError,            // SIGBUS
  kArithmetic,          // SIGFPE: division by zero and the like
  kIllegalInstruction,  // SIGILL
  kException,           // a C++ exception left the call
};

// Runs `call(context)` on the calling thread and reports how it ended.
// Guarded calls may nest (a guarded call may make another); a fault ends
// the innermost one. The first call installs the process's fault handlers.
Fault RunGuarded(void (*call)(void* context), void* context);

// RunGuarded for any callable. Keep the callable free of objects with
// destructors: a fault skips them.
template <typename Call>
Fault RunGuarded(Call&& call) {
  return RunGuarded([](void* context) { (*static_cast<std::remove_reference_t<Call>*>(context))(); },
                    static_cast<void*>(&call));
}

}  // namespace platform
