#include <gtest/gtest.h>

#include <chrono>

#include "app/service_control.h"
#include "platform/errors.h"
#include "platform/services.h"
#include "temp_machine.h"
#include "virtual_clock.h"

namespace {

using std::chrono::milliseconds;

enum class Request { kStart, kStop };

TEST(ServiceControlTest, StartAndStopWaitAsTheWaitHintSays) {
  struct Case {
    const char* what;
    Request request;
    std::uint32_t initial_state;
    std::uint32_t wait_hint_ms;
    std::uint32_t checkpoints;
    bool hangs;
    long result;
    std::uint32_t state;  // the state reported, or 0 when none is
    milliseconds waited;
  };
  const Case cases[] = {
      {"start", Request::kStart, platform::kServiceStopped, 1000, 3, false, 0, 4, milliseconds(3000)},
      {"start, already running", Request::kStart, platform::kServiceRunning, 1000, 3, false, 0, 4, milliseconds(0)},
      {"start at once", Request::kStart, platform::kServiceStopped, 1000, 0, false, 0, 4, milliseconds(0)},
      {"stop", Request::kStop, platform::kServiceRunning, 500, 4, false, 0, 1, milliseconds(2000)},
      {"stop, already stopped", Request::kStop, platform::kServiceStopped, 1000, 3, false, 0, 1, milliseconds(0)},
      {"start that hangs", Request::kStart, platform::kServiceStopped, 1000, 3, true, 1052, 0, milliseconds(1100)},
      {"stop that hangs, short polls", Request::kStop, platform::kServiceRunning, 300, 3, true, 1052, 0,
       milliseconds(400)},
      {"stop that hangs, long polls", Request::kStop, platform::kServiceRunning, 20000, 3, true, 1052, 0,
       milliseconds(21000)},
  };
  for (const Case& c : cases) {
    inktest::TempMachine machine;
    inktest::VirtualClock clock;
    platform::ServiceDefinition service;
    service.name = "InkSpooler";
    service.state = c.initial_state;
    service.wait_hint_ms = c.wait_hint_ms;
    service.pending_checkpoints = c.checkpoints;
    service.hangs = c.hangs;
    ASSERT_EQ(platform::CreateService(service), 0);
    std::uint32_t state = 0;
    const long result =
        c.request == Request::kStart ? app::MyStartService("inkspooler", &state) : app::MyStopService("InkSpooler", &state);
    EXPECT_EQ(result, c.result) << c.what;
    EXPECT_EQ(state, c.state) << c.what;
    EXPECT_EQ(clock.Now(), c.waited) << c.what;
  }
}

TEST(ServiceControlTest, QueriesAndMissingServices) {
  inktest::TempMachine machine;
  std::uint32_t state = 0;
  EXPECT_EQ(app::MyQueryServiceStatus("SharedAccess", nullptr), platform::kErrorInvalidParameter);
  EXPECT_EQ(app::MyQueryServiceStatus("SharedAccess", &state), 0);
  EXPECT_EQ(state, platform::kServiceRunning);
  EXPECT_EQ(app::MyQueryServiceStatus("NoSuchService", &state), platform::kErrorServiceDoesNotExist);
  EXPECT_EQ(app::MyStartService("NoSuchService"), platform::kErrorServiceDoesNotExist);
  EXPECT_EQ(app::MyStopService("NoSuchService"), platform::kErrorServiceDoesNotExist);
}

}  // namespace
