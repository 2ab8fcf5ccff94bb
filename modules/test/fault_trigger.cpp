// Built without the undefined-behaviour sanitizer: the faults below are
// undefined behaviour on purpose, and must reach the processor as real
// faults instead of being reported and stopped first.
#include "fault_trigger.h"

#include <sys/mman.h>
#include <unistd.h>

#include <stdexcept>

namespace testmodule {

namespace {

// Reads a page of a file mapping that lies past the end of the (empty)
// file: the system answers with a bus error.
int ReadPastMappedFile() {
  const int fd = ::memfd_create("inktest-bus", MFD_CLOEXEC);
  if (fd < 0) return 0;
  void* page = ::mmap(nullptr, 4096, PROT_READ, MAP_SHARED, fd, 0);
  ::close(fd);
  if (page == MAP_FAILED) return 0;
  return *static_cast<volatile const char*>(page);
}

}  // namespace

FaultKind FaultKindOf(std::string_view name) {
  if (name == "segv") return FaultKind::kAccessViolation;
  if (name == "bus") return FaultKind::kBusError;
  if (name == "fpe") return FaultKind::kDivisionByZero;
  if (name == "ill") return FaultKind::kIllegalInstruction;
  if (name == "throw") return FaultKind::kException;
  return FaultKind::kNone;
}

void RaiseFault(FaultKind kind) {
  // Volatile, so that the compiler can neither see the null pointer or the
  // operands nor fold the operations away or turn them into others.
  volatile int* volatile null_pointer = nullptr;
  volatile int one = 1;
  volatile int zero = 0;
  volatile int sink = 0;
  switch (kind) {
    case FaultKind::kNone:
      return;
    case FaultKind::kAccessViolation:
      *null_pointer = 1;
      break;
    case FaultKind::kBusError:
      sink = ReadPastMappedFile();
      break;
    case FaultKind::kDivisionByZero:
      sink = one / zero;
      break;
    case FaultKind::kIllegalInstruction:
      __builtin_trap();
    case FaultKind::kException:
      throw std::runtime_error("test module fault");
  }
  (void)sink;
}

}  // namespace testmodule
