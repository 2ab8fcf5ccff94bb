#include "wizard/command_section.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "command_fixture.h"
#include "install/registry.h"
#include "profile/format.h"

namespace {

using inktest::CommandTest;

// The types and first parameters of the commands in `lines`, in order.
std::vector<std::string> CommandsIn(const std::vector<std::string>& lines) {
  constexpr std::string_view kPrefix = "Call Command : Type = ";
  std::vector<std::string> commands;
  for (const std::string& line : lines) {
    if (!line.starts_with(kPrefix)) continue;
    const std::size_t param1 = line.find(", Param1=");
    const std::size_t param2 = line.find(",Param2=");
    commands.push_back(line.substr(kPrefix.size(), param1 - kPrefix.size()) + " " +
                       line.substr(param1 + 9, param2 - param1 - 9));
  }
  return commands;
}

TEST_F(CommandTest, SectionsRunTheirLinesInOrderAndNest) {
  Start("[FIRST]\nCT_SET_INST_TYPE = A\nCT_COMMAND = SECOND\nCT_APP_UNKNOWN\nCT_SET_INST_TYPE = C\n",
        "[FIRST]\nCT_SET_INST_TYPE = not from here\n[SECOND]\nCT_SET_INST_TYPE = B, extra\n");
  bool result = false;
  const auto lines = RunLogged("CT_COMMAND = FIRST", &result);
  EXPECT_TRUE(result);
  const std::vector<std::string> expected = {
      "CT_COMMAND FIRST",   "CT_SET_INST_TYPE A", "CT_COMMAND SECOND",
      "CT_SET_INST_TYPE B", "CT_APP_UNKNOWN ",    "CT_SET_INST_TYPE C",
  };
  EXPECT_EQ(CommandsIn(lines), expected);
  EXPECT_EQ(inktest::InstallingValue("Install_Type"), "C");
}

TEST_F(CommandTest, AMissingSectionFailsAndAFailingLineDoesNot) {
  Start("", "[ONE_FAILS]\nCT_COMMAND = MISSING\nCT_SET_INST_TYPE = after\n");
  bool result = true;
  EXPECT_EQ(CommandsIn(RunLogged("CT_COMMAND = MISSING", &result)), std::vector<std::string>{"CT_COMMAND MISSING"});
  EXPECT_FALSE(result);
  RunLogged("CT_COMMAND = ONE_FAILS", &result);
  EXPECT_TRUE(result);
  EXPECT_EQ(inktest::InstallingValue("Install_Type"), "after");
}

TEST_F(CommandTest, ASectionThatRunsItselfRunsOnce) {
  struct Case {
    const char* what;
    const char* commands;
    std::vector<std::string> ran;
    std::vector<std::string> refused;  // the sections named in refusal lines
  };
  const Case cases[] = {
      {"directly",
       "[LOOP]\nCT_SET_INST_TYPE = L\nCT_COMMAND = LOOP\nCT_COMMAND = loop\n",
       {"CT_COMMAND LOOP", "CT_SET_INST_TYPE L", "CT_COMMAND LOOP", "CT_COMMAND loop"},
       {"LOOP", "loop"}},
      {"through another",
       "[LOOP]\nCT_COMMAND = OTHER\nCT_SET_INST_TYPE = L\n[OTHER]\nCT_COMMAND = LOOP\n",
       {"CT_COMMAND LOOP", "CT_COMMAND OTHER", "CT_COMMAND LOOP", "CT_SET_INST_TYPE L"},
       {"LOOP"}},
  };
  for (const Case& c : cases) {
    Start("", c.commands);
    // Twice: a refusal leaves nothing behind that would stop the next run.
    for (int run = 0; run < 2; ++run) {
      bool result = false;
      const auto lines = RunLogged("CT_COMMAND = LOOP", &result);
      EXPECT_TRUE(result) << c.what;
      EXPECT_EQ(CommandsIn(lines), c.ran) << c.what;
      std::vector<std::string> refused;
      for (const std::string& line : lines) {
        if (line.ends_with("runs itself; it is not run again")) refused.push_back(line.substr(17, line.find(']') - 17));
      }
      EXPECT_EQ(refused, c.refused) << c.what;
    }
  }
}

TEST_F(CommandTest, AChainOfSectionsStopsAtTheDepthLimit) {
  std::string commands;
  constexpr int kChain = wizard::kMaxSectionDepth + 4;
  for (int level = 0; level < kChain; ++level) {
    commands += profile::Format("[S%d]\nCT_SET_INST_TYPE = S%d\nCT_COMMAND = S%d\n", level, level, level + 1);
  }
  Start("", commands);
  bool result = false;
  const auto lines = RunLogged("CT_COMMAND = S0", &result);
  EXPECT_TRUE(result);
  const auto ran = CommandsIn(lines);
  EXPECT_EQ(std::count_if(ran.begin(), ran.end(), [](const std::string& c) { return c.starts_with("CT_SET"); }),
            wizard::kMaxSectionDepth);
  EXPECT_EQ(inktest::InstallingValue("Install_Type"), profile::Format("S%d", wizard::kMaxSectionDepth - 1));
  const std::string refusal = profile::Format("Command section [S%d] is nested deeper than %d sections; it is not run",
                                              wizard::kMaxSectionDepth, wizard::kMaxSectionDepth);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), refusal), 1);
}

}  // namespace
