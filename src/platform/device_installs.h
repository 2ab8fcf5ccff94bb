// Device installations that Plug and Play still has pending on the machine.
// Each is kept with the time on the current clock at which it ends, in
// device-installs.txt of the machine directory, so that every process sees
// the same installations and a test can make them end without waiting.
#pragma once

#include <cstdint>

namespace platform {

// Adds an installation that ends `duration_ms` from now; kInfinite (of
// process.h) keeps it pending until ClearPendingDeviceInstalls. 0, or 5 when
// the record cannot be written.
long AddPendingDeviceInstall(std::uint32_t duration_ms);
// Ends every pending installation now.
long ClearPendingDeviceInstalls();

// Stands for CMP_WaitNoPendingInstallEvents: waits on the current clock
// until no installation is pending, at most `timeout_ms`. 0 when none is
// pending (at once or within the time), 258 when some still is when the
// time is up.
long WaitNoPendingInstallEvents(std::uint32_t timeout_ms);

}  // namespace platform
