#include "platform/fault_guard.h"

#include <cxxabi.h>
#include <setjmp.h>
#include <signal.h>
#include <sys/mman.h>

#include <cstddef>
#include <iterator>
#include <mutex>

namespace platform {

namespace {

// The signals by which the system reports a fault of the running code.
constexpr int kFaultSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};
constexpr std::size_t kFaultSignalCount = std::size(kFaultSignals);
// The size of a thread's alternate signal stack: room for the handler, and
// for a sanitizer's report when the fault was not guarded.
constexpr std::size_t kAltStackSize = 256 * 1024;

// One guarded call on a thread. The handler stores the signal and jumps
// back to `resume`.
struct GuardFrame {
  sigjmp_buf resume;
  volatile sig_atomic_t signal = 0;
  GuardFrame* outer = nullptr;
};

// The thread's innermost guarded call, or null. A plain pointer that needs
// no construction, so that the signal handler may read it at any time.
thread_local GuardFrame* innermost_frame = nullptr;

// The handlers that were installed before ours, by signal.
struct sigaction previous_actions[kFaultSignalCount];
std::once_flag handlers_installed;

// The alternate signal stack of a thread that makes guarded calls, so that
// a fault that exhausted the thread's own stack can still be handled. A
// thread that already has one (a sanitizer gives every thread one) keeps it.
class AltStack {
 public:
  AltStack() = default;
  ~AltStack() {
    if (memory_ == nullptr) return;
    stack_t disabled{};
    disabled.ss_flags = SS_DISABLE;
    ::sigaltstack(&disabled, nullptr);
    ::munmap(memory_, kAltStackSize);
  }
  AltStack(const AltStack&) = delete;
  AltStack& operator=(const AltStack&) = delete;

  // Gives the calling thread an alternate stack unless it has one.
  void Ensure() {
    if (memory_ != nullptr) return;
    stack_t current{};
    if (::sigaltstack(nullptr, &current) != 0 || (current.ss_flags & SS_DISABLE) == 0) return;
    void* memory = ::mmap(nullptr, kAltStackSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return;
    stack_t stack{};
    stack.ss_sp = memory;
    stack.ss_size = kAltStackSize;
    if (::sigaltstack(&stack, nullptr) != 0) {
      ::munmap(memory, kAltStackSize);
      return;
    }
    memory_ = memory;
  }

 private:
  void* memory_ = nullptr;
};

thread_local AltStack alt_stack;

// The index of `signal` in kFaultSignals.
std::size_t SignalIndex(int signal) {
  std::size_t index = 0;
  while (index + 1 < kFaultSignalCount && kFaultSignals[index] != signal) ++index;
  return index;
}

// The fault a signal of kFaultSignals reports.
Fault FaultOfSignal(int signal) {
  switch (signal) {
    case SIGSEGV:
      return Fault::kAccessViolation;
    case SIGBUS:
      return Fault::kBusError;
    case SIGFPE:
      return Fault::kArithmetic;
    default:
      return Fault::kIllegalInstruction;
  }
}

// A fault outside any guarded call: what would have happened without us.
void PassOn(int signal, siginfo_t* info, void* context) {
  const struct sigaction& previous = previous_actions[SignalIndex(signal)];
  if ((previous.sa_flags & SA_SIGINFO) != 0) {
    previous.sa_sigaction(signal, info, context);
    return;
  }
  if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
    previous.sa_handler(signal);
    return;
  }
  // The default action: the signal, blocked while this handler runs, is
  // delivered again as soon as it returns, and ends the process.
  struct sigaction default_action {};
  default_action.sa_handler = SIG_DFL;
  sigemptyset(&default_action.sa_mask);
  ::sigaction(signal, &default_action, nullptr);
  ::raise(signal);
}

// The handler of every fault signal: ends the thread's innermost guarded
// call, or passes the fault on.
void OnFaultSignal(int signal, siginfo_t* info, void* context) {
  GuardFrame* frame = innermost_frame;
  // Only a fault the system raised for the running code ends a guarded call;
  // the same signal sent by a process (si_code <= 0) does not.
  if (frame != nullptr && info != nullptr && info->si_code > 0) {
    frame->signal = signal;
    ::siglongjmp(frame->resume, 1);
  }
  PassOn(signal, info, context);
}

// Installs OnFaultSignal for every fault signal, keeping the handlers it
// replaces for PassOn.
void InstallHandlers() {
  struct sigaction action {};
  action.sa_sigaction = OnFaultSignal;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (std::size_t index = 0; index < kFaultSignalCount; ++index) {
    ::sigaction(kFaultSignals[index], &action, &previous_actions[index]);
  }
}

}  // namespace

Fault RunGuarded(void (*call)(void* context), void* context) {
  std::call_once(handlers_installed, InstallHandlers);
  alt_stack.Ensure();
  GuardFrame frame;
  frame.outer = innermost_frame;
  // The signal mask is saved, so the jump unblocks the signal that ended the
  // call.
  if (sigsetjmp(frame.resume, 1) != 0) {
    innermost_frame = frame.outer;
    return FaultOfSignal(frame.signal);
  }
  innermost_frame = &frame;
  try {
    call(context);
  } catch (abi::__forced_unwind&) {
    // A thread being cancelled must unwind all the way.
    innermost_frame = frame.outer;
    throw;
  } catch (...) {
    innermost_frame = frame.outer;
    return Fault::kException;
  }
  innermost_frame = frame.outer;
  return Fault::kNone;
}

}  // namespace platform
