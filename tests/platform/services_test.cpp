#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/services.h"
#include "temp_machine.h"
#include "virtual_clock.h"

namespace {

using std::chrono::milliseconds;
using platform::Service;
using platform::ServiceStatus;

// A stopped service that takes three checkpoints of one second to start or
// stop, unless told otherwise.
platform::ServiceDefinition TestService(std::uint32_t checkpoints = 3, bool hangs = false) {
  platform::ServiceDefinition definition;
  definition.name = "InkTestSvc";
  definition.display_name = "Ink test service";
  definition.wait_hint_ms = 1000;
  definition.pending_checkpoints = checkpoints;
  definition.hangs = hangs;
  return definition;
}

ServiceStatus StatusOf(const Service& service) {
  ServiceStatus status;
  EXPECT_EQ(service.QueryStatus(status), 0);
  return status;
}

// Waits while the service stays in `pending`, as a caller that trusts the
// wait hint does: it polls every tenth of the hint (100 ms to 1 s) and
// gives up once the checkpoint has not grown for longer than the hint.
ServiceStatus WaitWhilePending(const Service& service, std::uint32_t pending) {
  platform::Clock& clock = platform::CurrentClock();
  ServiceStatus status = StatusOf(service);
  auto progress_time = clock.Now();
  std::uint32_t checkpoint = status.checkpoint;
  while (status.state == pending) {
    clock.Sleep(milliseconds(std::clamp<std::uint32_t>(status.wait_hint_ms / 10, 100, 1000)));
    status = StatusOf(service);
    if (status.checkpoint > checkpoint) {
      checkpoint = status.checkpoint;
      progress_time = clock.Now();
    } else if (clock.Now() - progress_time > milliseconds(status.wait_hint_ms)) {
      break;
    }
  }
  return status;
}

TEST(ServicesTest, NewMachineHasTheFirewallServicesRunning) {
  inktest::TempMachine temp;
  for (const char* name : {"SharedAccess", "mpssvc", "MpsSvc", "sharedaccess"}) {
    Service service;
    ASSERT_EQ(service.Open(name), 0) << name;
    EXPECT_EQ(StatusOf(service).state, platform::kServiceRunning) << name;
    EXPECT_FALSE(service.DisplayName().empty());
  }
  Service missing;
  EXPECT_EQ(missing.Open("NoSuchService"), platform::kErrorServiceDoesNotExist);
  ServiceStatus status;
  EXPECT_EQ(missing.QueryStatus(status), platform::kErrorInvalidHandle);
  EXPECT_EQ(missing.Start(), platform::kErrorInvalidHandle);
}

TEST(ServicesTest, StartAndStopPassThroughPendingStatesAsTimePasses) {
  inktest::TempMachine temp;
  inktest::VirtualClock clock;
  ASSERT_EQ(platform::CreateService(TestService()), 0);
  Service service;
  ASSERT_EQ(service.Open("inktestsvc"), 0);
  EXPECT_EQ(service.Name(), "InkTestSvc");

  struct Step {
    int advance_ms;
    std::uint32_t state;
    std::uint32_t checkpoint;
    std::uint32_t wait_hint_ms;
  };
  const Step start_steps[] = {
      {0, platform::kServiceStartPending, 0, 1000},
      {999, platform::kServiceStartPending, 0, 1000},
      {1, platform::kServiceStartPending, 1, 1000},
      {1500, platform::kServiceStartPending, 2, 1000},
      {499, platform::kServiceStartPending, 2, 1000},
      {1, platform::kServiceRunning, 0, 0},
      {60000, platform::kServiceRunning, 0, 0},
  };
  ASSERT_EQ(service.Start(), 0);
  for (const auto& step : start_steps) {
    clock.Advance(milliseconds(step.advance_ms));
    const ServiceStatus status = StatusOf(service);
    EXPECT_EQ(status.state, step.state) << clock.Now().count();
    EXPECT_EQ(status.checkpoint, step.checkpoint) << clock.Now().count();
    EXPECT_EQ(status.wait_hint_ms, step.wait_hint_ms) << clock.Now().count();
  }

  ServiceStatus status;
  ASSERT_EQ(service.Control(platform::kServiceControlStop, status), 0);
  EXPECT_EQ(status.state, platform::kServiceStopPending);
  EXPECT_EQ(status.checkpoint, 0u);
  clock.Advance(milliseconds(2999));
  EXPECT_EQ(StatusOf(service).state, platform::kServiceStopPending);
  clock.Advance(milliseconds(1));
  EXPECT_EQ(StatusOf(service).state, platform::kServiceStopped);
}

TEST(ServicesTest, RequestsThatDoNotFitTheStateAreRefused) {
  inktest::TempMachine temp;
  inktest::VirtualClock clock;
  ASSERT_EQ(platform::CreateService(TestService()), 0);
  Service service;
  ASSERT_EQ(service.Open("InkTestSvc"), 0);
  enum Request { kStart, kStop, kInterrogate, kPause };
  struct Step {
    Request request;
    long error;
    std::uint32_t state_after;
  };
  // From stopped, one request after the other, with no time passing.
  const Step steps[] = {
      {kStop, platform::kErrorServiceNotActive, platform::kServiceStopped},
      {kInterrogate, platform::kErrorServiceNotActive, platform::kServiceStopped},
      {kPause, platform::kErrorInvalidServiceControl, platform::kServiceStopped},
      {kStart, 0, platform::kServiceStartPending},
      {kStart, platform::kErrorServiceAlreadyRunning, platform::kServiceStartPending},
      {kStop, platform::kErrorServiceCannotAcceptCtrl, platform::kServiceStartPending},
      {kInterrogate, 0, platform::kServiceStartPending},
  };
  for (const auto& step : steps) {
    ServiceStatus status;
    long error = 0;
    switch (step.request) {
      case kStart: error = service.Start(); break;
      case kStop: error = service.Control(platform::kServiceControlStop, status); break;
      case kInterrogate:
        error = service.Control(platform::kServiceControlInterrogate, status);
        break;
      case kPause: error = service.Control(2, status); break;
    }
    EXPECT_EQ(error, step.error) << step.request;
    EXPECT_EQ(StatusOf(service).state, step.state_after) << step.request;
  }
  // Running, then stop-pending: neither can be started.
  clock.Advance(milliseconds(3000));
  EXPECT_EQ(service.Start(), platform::kErrorServiceAlreadyRunning);
  ServiceStatus status;
  ASSERT_EQ(service.Control(platform::kServiceControlStop, status), 0);
  EXPECT_EQ(service.Start(), platform::kErrorServiceAlreadyRunning);
  EXPECT_EQ(StatusOf(service).state, platform::kServiceStopPending);
}

TEST(ServicesTest, CreateRefusesDuplicatesAndBadDefinitions) {
  inktest::TempMachine temp;
  ASSERT_EQ(platform::CreateService(TestService()), 0);
  struct Case {
    const char* name;
    std::uint32_t state;
    long error;
  };
  const Case cases[] = {
      {"InkTestSvc", platform::kServiceStopped, platform::kErrorServiceExists},
      {"INKTESTSVC", platform::kServiceStopped, platform::kErrorServiceExists},
      {"SharedAccess", platform::kServiceRunning, platform::kErrorServiceExists},
      {"", platform::kServiceStopped, platform::kErrorInvalidParameter},
      {"Other", platform::kServiceStartPending, platform::kErrorInvalidParameter},
      {"Other", platform::kServiceRunning, 0},
  };
  for (const auto& c : cases) {
    platform::ServiceDefinition definition = TestService();
    definition.name = c.name;
    definition.state = c.state;
    EXPECT_EQ(platform::CreateService(definition), c.error) << c.name;
  }
}

TEST(ServicesTest, CallersWaitHintLoopEndsWithoutRealSleeping) {
  inktest::TempMachine temp;
  inktest::VirtualClock clock;
  ASSERT_EQ(platform::CreateService(TestService(5)), 0);
  platform::ServiceDefinition hung = TestService(5, true);
  hung.name = "HungSvc";
  hung.state = platform::kServiceRunning;
  ASSERT_EQ(platform::CreateService(hung), 0);

  Service service;
  ASSERT_EQ(service.Open("InkTestSvc"), 0);
  ASSERT_EQ(service.Start(), 0);
  EXPECT_EQ(WaitWhilePending(service, platform::kServiceStartPending).state,
            platform::kServiceRunning);
  EXPECT_EQ(clock.Now(), milliseconds(5000));

  // A service that never makes progress is given up after its wait hint.
  Service stuck;
  ASSERT_EQ(stuck.Open("HungSvc"), 0);
  ServiceStatus status;
  ASSERT_EQ(stuck.Control(platform::kServiceControlStop, status), 0);
  const auto before = clock.Now();
  EXPECT_EQ(WaitWhilePending(stuck, platform::kServiceStopPending).state,
            platform::kServiceStopPending);
  EXPECT_GT(clock.Now() - before, milliseconds(1000));
  EXPECT_LE(clock.Now() - before, milliseconds(2000));
}

TEST(ServicesTest, ServiceWithoutCheckpointsChangesAtOnce) {
  inktest::TempMachine temp;
  ASSERT_EQ(platform::CreateService(TestService(0)), 0);
  Service service;
  ASSERT_EQ(service.Open("InkTestSvc"), 0);
  ASSERT_EQ(service.Start(), 0);
  EXPECT_EQ(StatusOf(service).state, platform::kServiceRunning);
  ServiceStatus status;
  ASSERT_EQ(service.Control(platform::kServiceControlStop, status), 0);
  EXPECT_EQ(status.state, platform::kServiceStopped);
}

TEST(ServicesTest, StateIsSharedBetweenProcesses) {
  inktest::TempMachine temp;
  inktest::VirtualClock clock;
  const pid_t child = ::fork();
  if (child == 0) {
    Service firewall;
    ServiceStatus status;
    const long error = firewall.Open("mpssvc") != 0
                           ? 1
                           : firewall.Control(platform::kServiceControlStop, status);
    ::_exit(static_cast<int>(error));
  }
  int exit_status = 0;
  ASSERT_EQ(::waitpid(child, &exit_status, 0), child);
  ASSERT_TRUE(WIFEXITED(exit_status));
  ASSERT_EQ(WEXITSTATUS(exit_status), 0);

  Service firewall;
  ASSERT_EQ(firewall.Open("mpssvc"), 0);
  EXPECT_EQ(StatusOf(firewall).state, platform::kServiceStopPending);
  clock.Advance(milliseconds(60000));
  EXPECT_EQ(StatusOf(firewall).state, platform::kServiceStopped);
  EXPECT_EQ(firewall.Start(), 0);
}

}  // namespace
