#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "app/installer_app.h"
#include "app/periodic_call.h"
#include "install/registry.h"
#include "medium_machine.h"
#include "platform/activation_channel.h"
#include "platform/files.h"
#include "platform/instance_lock.h"
#include "scripted_dialogs.h"

namespace {

using inktest::MediumMachine;

constexpr const char* kMutexName = "Product Installer Program";

// A run of the application object's start-up over the current medium, with
// a dialog service on screen as an interactive start has one.
struct StartUp {
  CInstallerApp::Road road;
  int status;
  std::string log;
  std::size_t boxes;  // questions that reached the screen
};

StartUp RunStartUp(const std::string& command_line) {
  CInstallerApp installer("setup.exe", command_line);
  inktest::ScriptedDialogs screen;
  wizard::SetDialogService(&screen);
  const CInstallerApp::Road road = installer.InitInstance();
  installer.ExitInstance();
  wizard::SetDialogService(nullptr);
  std::string log;
  platform::ReadWholeFile(installer.LogFile().Path(), log);
  return {road, installer.ExitStatus(), log, screen.asked.size()};
}

TEST(InstallerAppTest, StartUpEndsOrGoesOnToTheWizardAsTheMediumAndSystemSay) {
  using Road = CInstallerApp::Road;
  struct Case {
    const char* name;
    bool administrator;
    const char* data_extra;    // added to the data file
    const char* setting_file;  // Config.ini on the medium; null: none
    bool installed;            // the Installed key records a destination
    const char* command_line;
    Road road;
    int status;
    const char* log_line;      // "" for none to look for
    std::size_t boxes;
  };
  constexpr const char* kAdminMessage =
      "[OPTION]\nDEVICE_INSTALL = 1\n[SYSTEM_REQUIREMENT]\nMSG_IS_NOT_ADMIN = Administrators only\n";
  constexpr const char* kUnsupported =
      "[OS_DEFINE]\n0X00020A00.64 = W10_64\n[SYSTEM_REQUIREMENT]\nUNSUPPORTED_OS = W10_64\nMSG_NOT_SUPPORTED_OS = Not on this system\n";
  const Case cases[] = {
      {"plain start",         true,  "",            nullptr,                     false, "",   Road::kInteractive, 0, "", 0},
      {"not an administrator", false, kAdminMessage, nullptr,                    false, "",   Road::kEnd, CInstallerApp::kExitNotAdministrator, "", 1},
      {"silent, not admin",   false, kAdminMessage, nullptr,                     false, "/S", Road::kEnd, CInstallerApp::kExitNotAdministrator,
       "Message Box [Product] : Administrators only", 0},
      {"no admin message",    false, "[OPTION]\nDEVICE_INSTALL = 1\n", nullptr,  false, "",   Road::kInteractive, 0, "", 0},
      {"unsupported system",  true,  kUnsupported,  nullptr,                     false, "",   Road::kEnd, CInstallerApp::kExitRequirements,
       "This system could not satisfy the installer Minimum Requirement!", 1},
      {"installed: no check", true,  kUnsupported,  nullptr,                     true,  "",   Road::kInteractive, 0, "", 0},
      {"setting file silent", true,  "",            "[INSTALL]\nSILENT = 1\n",   false, "",   Road::kEnd, CInstallerApp::kExitNotAvailable,
       "Silent installation is not available yet", 0},
      {"setting file other",  true,  "",            "[INSTALL]\nSILENT = yes\n", false, "",   Road::kInteractive, 0, "", 0},
      {"silent uninstall",    true,  "",            nullptr,                     false, "/S /U", Road::kEnd, CInstallerApp::kExitNotAvailable,
       "Silent installation is not available yet", 0},
      {"silent delete-all",   true,  "",            nullptr,                     false, "-s -d", Road::kEnd, 0, "", 0},
  };
  for (const Case& c : cases) {
    MediumMachine medium([&](platform::MachineConfig& config) { config.is_administrator = c.administrator; });
    medium.WriteMedium(std::string(inktest::kProgramInfo) + c.data_extra);
    if (c.setting_file != nullptr) medium.Write("Config.ini", c.setting_file);
    if (c.installed) {
      CRegistry::SetValue("Software\\Maker\\Product\\Installed", "Dest_Dir", "C:\\Program Files\\Product");
    }
    const StartUp run = RunStartUp(c.command_line);
    EXPECT_EQ(run.road, c.road) << c.name;
    EXPECT_EQ(run.status, c.status) << c.name;
    EXPECT_EQ(run.boxes, c.boxes) << c.name;
    if (*c.log_line != '\0') {
      EXPECT_NE(run.log.find(c.log_line), std::string::npos) << c.name << "\n" << run.log;
    }
    EXPECT_NE(run.log.find("End of installation"), std::string::npos) << c.name;
  }
}

TEST(InstallerAppTest, ASilentRunWritesTheSetupRecordBeforeItsInstallation) {
  MediumMachine medium;
  medium.WriteMedium(inktest::kProgramInfo);
  RunStartUp("/S");
  const char* key = "Software\\Maker\\Product\\Installing";
  char text[260] = {};
  EXPECT_EQ(CRegistry::GetValue(key, "Program_Name", text, platform::HKEY_LOCAL_MACHINE, sizeof text), 0);
  EXPECT_STREQ(text, "Product");
  std::uint32_t os_ver = 0;
  EXPECT_EQ(CRegistry::GetValue(key, "OS_Ver", &os_ver), 0);
  EXPECT_EQ(os_ver, 5u) << "a 32-bit installer on a 64-bit system";
}

TEST(InstallerAppTest, AMediumWithoutDataFileEndsTheStartUp) {
  MediumMachine medium;
  const StartUp run = RunStartUp("");
  EXPECT_EQ(run.road, CInstallerApp::Road::kEnd);
  EXPECT_EQ(run.status, CInstallerApp::kExitNoEnvironment);
  EXPECT_NE(run.log.find("Initilize global variable fail"), std::string::npos) << run.log;
}

TEST(InstallerAppTest, AnotherInstanceDecidesBySilenceAndByItsWindow) {
  struct Case {
    const char* name;
    bool other_has_window;  // the other installer's wizard listens for activation
    const char* command_line;
    CInstallerApp::Road road;
    int status;
    const char* log_line;
    int activations;
  };
  const Case cases[] = {
      {"no window", false, "", CInstallerApp::Road::kEnd, CInstallerApp::kExitOtherInstance,
       "There is a previous running instance of this application, so it is terminated.", 0},
      {"window, interactive", true, "", CInstallerApp::Road::kInteractive, 0, "", 1},
      {"window, silent", true, "/S", CInstallerApp::Road::kEnd, CInstallerApp::kExitOtherInstance,
       "Another installer of this product is running, so the silent run ends.", 1},
  };
  for (const Case& c : cases) {
    MediumMachine medium;
    medium.WriteMedium(inktest::kProgramInfo);
    platform::NamedMutex other;
    ASSERT_EQ(other.Create(kMutexName), 0);
    std::mutex mutex;
    std::condition_variable activated;
    int activations = 0;
    platform::ActivationListener window;
    if (c.other_has_window) {
      ASSERT_EQ(window.Listen(kMutexName,
                              [&] {
                                std::lock_guard lock(mutex);
                                ++activations;
                                activated.notify_all();
                              }),
                0);
    }
    const StartUp run = RunStartUp(c.command_line);
    {
      // The request is taken on the listener's thread, which may run late.
      std::unique_lock lock(mutex);
      activated.wait_for(lock, std::chrono::seconds(30), [&] { return activations >= c.activations; });
    }
    window.Stop();
    EXPECT_EQ(run.road, c.road) << c.name;
    EXPECT_EQ(run.status, c.status) << c.name;
    if (*c.log_line != '\0') {
      EXPECT_NE(run.log.find(c.log_line), std::string::npos) << c.name << "\n" << run.log;
    }
    EXPECT_EQ(activations, c.activations) << c.name;
  }
}

}  // namespace

namespace {

TEST(PeriodicCallTest, CallsUntilStoppedAndAStopEndsTheWaitAtOnce) {
  std::atomic<int> calls{0};
  app::PeriodicCall often;
  ASSERT_TRUE(often.Start(std::chrono::milliseconds(1), [&] { ++calls; }));
  EXPECT_FALSE(often.Start(std::chrono::milliseconds(1), [] {})) << "one thread at a time";
  for (int i = 0; i < 5000 && calls < 3; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  often.Stop();
  const int after_stop = calls;
  EXPECT_GE(after_stop, 3);
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(calls, after_stop);
  // A thread waiting a whole hour still ends when stopped, without a call.
  app::PeriodicCall rarely;
  ASSERT_TRUE(rarely.Start(std::chrono::hours(1), [&] { ++calls; }));
  rarely.Stop();
  EXPECT_FALSE(rarely.Running());
  EXPECT_EQ(calls, after_stop);
}

}  // namespace
