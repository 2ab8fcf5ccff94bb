#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "command_fixture.h"
#include "wizard/run_command.h"
#include "wizard/silent_host.h"

namespace {

using inktest::CommandTest;

// Makes the test's interpreter the application's while it lives.
class ApplicationInterpreter {
 public:
  explicit ApplicationInterpreter(CCmdOperator& interpreter) { SetCommandOperator(&interpreter); }
  ~ApplicationInterpreter() { SetCommandOperator(nullptr); }
};

TEST_F(CommandTest, RunCommandExecutesAtOnceThroughTheApplicationsInterpreter) {
  Start();
  EXPECT_FALSE(RunCommand("CT_SET_INST_TYPE", "before")) << "no interpreter yet";
  EXPECT_EQ(inktest::InstallingValue("Install_Type"), "");
  const ApplicationInterpreter application(Interpreter());
  EXPECT_EQ(CommandOperator(), &Interpreter());
  EXPECT_TRUE(RunCommand("CT_SET_INST_TYPE", "SILENT_INST"));
  EXPECT_EQ(inktest::InstallingValue("Install_Type"), "SILENT_INST");
  EXPECT_FALSE(RunCommand("CT_COMMAND", "MISSING"));
}

TEST_F(CommandTest, QuickPostsAreAllExecutedInOrder) {
  Start();
  PostCommand("CT_SET_INST_TYPE", "lost");
  EXPECT_TRUE(host_.TakePosted().empty()) << "nothing is posted without an interpreter";
  const ApplicationInterpreter application(Interpreter());
  PostCommand("CT_SET_INST_TYPE", "first");
  wizard::CommandRecord record = wizard::MakeCommandRecord("CT_SET_INST_TYPE", {"second"});
  PostCommandRecord(record);
  record.parameters[0] = "changed after posting";
  std::thread worker([] { PostCommand("CT_SET_SETUP_TYPE", "REINST"); });
  worker.join();

  const auto posted = host_.TakePosted();
  ASSERT_EQ(posted.size(), 3u);
  const auto lines = LinesLoggedBy([&] {
    for (const wizard::CommandRecord& command : posted) Interpreter().Execute(command);
  });
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Call Command : Type = CT_SET_INST_TYPE, Param1=first,Param2=,Param3=,Param4=,Param5=",
                       "Call Command : Type = CT_SET_INST_TYPE, Param1=second,Param2=,Param3=,Param4=,Param5=",
                       "Call Command : Type = CT_SET_SETUP_TYPE, Param1=REINST,Param2=,Param3=,Param4=,Param5=",
                   }));
  EXPECT_EQ(inktest::InstallingValue("Install_Type"), "second");
}

TEST(SilentHostTest, ARunWithoutWindowsRunsCommandsAndDropsPosts) {
  inktest::MediumMachine medium;
  medium.WriteMedium(inktest::kProgramInfo);
  medium.Write("data/ovinst.cmd", "[END]\nCT_SET_INST_TYPE = silent\nCT_OPEN_DLG = NORMAL.PAGE\nCT_APP_TERMINATE\n");
  CGlobalVariable environment;
  ASSERT_TRUE(environment.Init());
  CInstallerModules modules;
  wizard::CSilentHost host;
  inktest::RecordingEndOfRun end_of_run;
  inktest::FakePrinters printers;
  CCmdOperator interpreter(environment, modules, host, end_of_run, printers);
  interpreter.Init();
  const ApplicationInterpreter application(interpreter);
  PostCommand("CT_COMMAND", "END");
  EXPECT_FALSE(host.QuitRequested()) << "a post does nothing without windows";
  EXPECT_TRUE(RunCommand("CT_COMMAND", "END"));
  EXPECT_TRUE(host.QuitRequested());
  EXPECT_EQ(end_of_run.calls.front(),
            "MergeHistory(Software\\Maker\\Product\\Installing\\InstHistory,"
            "Software\\Maker\\Product\\Installed\\InstHistory)");
}

}  // namespace
