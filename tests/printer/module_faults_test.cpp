#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

#include "module_fixture.h"
#include "platform/fault_guard.h"
#include "platform/library.h"

namespace {

using inktest::ModuleTest;

constexpr const char* kInstallingKey = "Software\\Orvane\\P1\\Installing";

std::string ItemKey(const std::string& item) { return std::string(kInstallingKey) + "\\Items\\" + item; }

TEST_F(ModuleTest, EveryKindOfFaultIsCaughtAndTheModuleStaysUsable) {
  PlaceDefaultModules();
  Load();
  for (const char* kind : {"segv", "bus", "fpe", "ill", "throw"}) {
    Script(std::string("MyInstall.fault=") + kind + "\n");
    EXPECT_EQ(modules_.MyInstall(kInstallingKey, ItemKey("Driver"), false), 0) << kind;
    EXPECT_EQ(LogLines().back(), "Call MyInstall() ==> GPF!!!!") << kind;
    Script("");
    EXPECT_EQ(modules_.MyInstall(kInstallingKey, ItemKey("Driver"), false), 1) << kind;
  }
}

// The install runner hands the items one by one to MyInstall; a fault on
// one fails that item only.
TEST_F(ModuleTest, FaultInMyInstallFailsOneItemAndTheRunGoesOn) {
  PlaceDefaultModules();
  Load();
  Script("MyInstall.fault=segv\nMyInstall.fault_match=\\Items\\Scanner,\n");
  const struct {
    const char* item;
    std::int32_t result;
  } items[] = {{"Printer", 1}, {"Scanner", 0}, {"Toolbox", 1}};
  for (const auto& item : items) {
    EXPECT_EQ(modules_.MyInstall(kInstallingKey, ItemKey(item.item), false), item.result) << item.item;
  }
  EXPECT_EQ(Calls(), (std::vector<std::string>{
                         "MyInstall(0," + std::string(kInstallingKey) + "," + ItemKey("Printer") + ",0)",
                         "MyInstall(0," + std::string(kInstallingKey) + "," + ItemKey("Scanner") + ",0)",
                         "MyInstall(0," + std::string(kInstallingKey) + "," + ItemKey("Toolbox") + ",0)"}));
  const std::vector<std::string> lines = LogLines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Call MyInstall() ==> GPF!!!!"), 1);
}

// Both calls are inside their modules at once when they fault, each on its
// own thread and with its own kind of fault.
TEST_F(ModuleTest, TwoThreadsFaultingAtOnceBothSurvive) {
  PlaceDefaultModules();
  Load();
  Script(
      "MyInstall.fault=segv\nMyInstall.rendezvous=2\nMyCreateShortCut.fault=fpe\n"
      "MyCreateShortCut.rendezvous=2\n");
  std::int32_t install = -1, shortcut = -1;
  std::thread installer([&] { install = modules_.MyInstall(kInstallingKey, ItemKey("Printer"), false); });
  std::thread shortcuts([&] { shortcut = modules_.MyCreateShortCut(kInstallingKey, "Manual"); });
  installer.join();
  shortcuts.join();
  EXPECT_EQ(install, 0);
  EXPECT_EQ(shortcut, 0);
  EXPECT_TRUE(Logged("Call MyInstall() ==> GPF!!!!"));
  EXPECT_TRUE(Logged("Call MyCreateShortCut() ==> GPF!!!!"));
  Script("");
  EXPECT_EQ(modules_.MyInstall(kInstallingKey, ItemKey("Printer"), false), 1);
}

// A guarded call made from inside another (the discovery callback calls a
// module again) ends alone when it faults; the outer call goes on.
CInstallerModules* callback_modules = nullptr;
std::int32_t inner_result = -1;

std::int32_t InstallOnDiscovery(const char*, const char*, const char*, const char*, const char*) {
  inner_result = callback_modules->MyInstall(kInstallingKey, ItemKey("Printer"), false);
  return 1;
}

TEST_F(ModuleTest, NestedGuardedCallFaultsAlone) {
  PlaceDefaultModules();
  Load();
  Script("SnmpDiscovery.count=1\nSnmpDiscovery.result=5\nMyInstall.fault=segv\n");
  callback_modules = &modules_;
  EXPECT_EQ(modules_.SnmpDiscovery(InstallOnDiscovery), 5);
  EXPECT_EQ(inner_result, 0);
  EXPECT_TRUE(Logged("Call MyInstall() ==> GPF!!!!"));
  EXPECT_FALSE(Logged("Call SnmpDiscovery() ==> GPF!!!!"));
}

// Outside a guarded call a fault is not swallowed: the process ends as it
// would without the guard.
TEST_F(ModuleTest, FaultOutsideAGuardedCallEndsTheProcess) {
  PlaceDefaultModules();
  Script("MyInstall.fault=segv\n");
  platform::Library module;
  ASSERT_EQ(module.Load("C:\\setup\\data\\Ovrun.dll"), 0);
  auto* install = reinterpret_cast<InkMyInstallFn*>(module.Find("MyInstall"));
  ASSERT_NE(install, nullptr);
  platform::RunGuarded([] {});  // the guard's handlers are in place
  EXPECT_DEATH(install(0, kInstallingKey, "item", 0), "");
}

// A signal that a process sends is not a fault of the running code.
TEST_F(ModuleTest, SignalSentByAProcessIsNotCaughtAsAFault) {
  EXPECT_DEATH(platform::RunGuarded([] { std::raise(SIGSEGV); }), "");
}

}  // namespace
