#include "platform/device_installs.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/machine.h"
#include "platform/machine_lock.h"
#include "platform/process.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr const char* kInstallsFile = "device-installs.txt";
constexpr const char* kInstallsNext = "device-installs.txt.next";
constexpr const char* kInstallsLock = "device-installs.lock";
// The end time of an installation that never ends by itself.
constexpr std::int64_t kNever = -1;

std::int64_t NowMs() { return CurrentClock().Now().count(); }

// The end times of the installations still pending at `now_ms`.
std::vector<std::int64_t> ReadPending(const Machine& machine, std::int64_t now_ms) {
  std::vector<std::int64_t> ends;
  std::ifstream in(machine.Directory() / kInstallsFile);
  for (std::string line; std::getline(in, line);) {
    std::int64_t end = 0;
    const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), end);
    if (error != std::errc() || rest != line.data() + line.size()) continue;
    if (end == kNever || end > now_ms) ends.push_back(end);
  }
  return ends;
}

// Replaces the record as a whole; the caller holds the lock.
long WritePending(const Machine& machine, const std::vector<std::int64_t>& ends) {
  const fs::path next = machine.Directory() / kInstallsNext;
  {
    std::ofstream out(next, std::ios::trunc);
    for (const std::int64_t end : ends) out << end << '\n';
    if (!out.flush()) return kErrorAccessDenied;
  }
  if (std::rename(next.c_str(), (machine.Directory() / kInstallsFile).c_str()) != 0) return kErrorAccessDenied;
  return kErrorSuccess;
}

// The time the last pending installation ends (kNever when one never
// does), or nothing when none is pending.
std::optional<std::int64_t> LastEnd(std::int64_t now_ms) {
  const Machine& machine = CurrentMachine();
  MachineLock lock(machine, kInstallsLock);
  std::optional<std::int64_t> last;
  for (const std::int64_t end : ReadPending(machine, now_ms)) {
    if (end == kNever || !last || (*last != kNever && end > *last)) last = end;
  }
  return last;
}

}  // namespace

long AddPendingDeviceInstall(std::uint32_t duration_ms) {
  const Machine& machine = CurrentMachine();
  MachineLock lock(machine, kInstallsLock);
  if (!lock.Held()) return kErrorAccessDenied;
  const std::int64_t now_ms = NowMs();
  std::vector<std::int64_t> ends = ReadPending(machine, now_ms);
  ends.push_back(duration_ms == kInfinite ? kNever : now_ms + duration_ms);
  return WritePending(machine, ends);
}

long ClearPendingDeviceInstalls() {
  const Machine& machine = CurrentMachine();
  MachineLock lock(machine, kInstallsLock);
  if (!lock.Held()) return kErrorAccessDenied;
  return WritePending(machine, {});
}

long WaitNoPendingInstallEvents(std::uint32_t timeout_ms) {
  Clock& clock = CurrentClock();
  const std::int64_t deadline = NowMs() + timeout_ms;
  // Another process may add or clear installations meanwhile, so the
  // record is read again after every sleep.
  for (;;) {
    const std::int64_t now_ms = NowMs();
    const std::optional<std::int64_t> last = LastEnd(now_ms);
    if (!last) return kErrorSuccess;
    if (now_ms >= deadline) return kErrorWaitTimeout;
    const std::int64_t until = (*last == kNever || *last > deadline) ? deadline : *last;
    clock.Sleep(std::chrono::milliseconds(until - now_ms));
  }
}

}  // namespace platform
