// Starting, stopping and querying a system service (the firewall, around
// the network search), waiting for it the way the service's wait hint asks.
#pragma once

#include <cstdint>
#include <string_view>

namespace app {

// Starts the service `name` and waits while it is start-pending. 0 when it
// runs (at once when it already did), with its state (4) in `state` when
// given; 1052 when it does not reach running in time or its state can no
// longer be read; the system's error when it cannot be opened or started.
long MyStartService(std::string_view name, std::uint32_t* state = nullptr);
// The same for stopping: 0 when stopped (state 1), else as for starting.
long MyStopService(std::string_view name, std::uint32_t* state = nullptr);
// The current state of the service into `state`: 0, 87 without `state`, or
// the system's error.
long MyQueryServiceStatus(std::string_view name, std::uint32_t* state);

}  // namespace app
