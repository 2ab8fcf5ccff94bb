// The machine tool run as a program on a throw-away machine: its reg
// commands, export and import of registry text files, and its errors.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "temp_machine.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int exit_code = -1;
  std::string out;
  std::string err;
};

std::string ReadHostFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

std::string ShellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class InkmachineTest : public ::testing::Test {
 protected:
  // A host path in the test's own temporary directory.
  fs::path Scratch(const std::string& name) const { return temp_.dir().parent_path() / name; }

  // Runs the tool on `machine_dir` (the test's machine unless given) with
  // `words` after "--machine DIR".
  ToolRun Run(const std::vector<std::string>& words, const fs::path& machine_dir = {}) const {
    const char* bin_dir = std::getenv("INKSTALL_BIN_DIR");
    EXPECT_NE(bin_dir, nullptr);
    std::string command = ShellQuoted(std::string(bin_dir ? bin_dir : ".") + "/inkmachine") +
                          " --machine " +
                          ShellQuoted((machine_dir.empty() ? temp_.dir() : machine_dir).string());
    for (const auto& word : words) command += " " + ShellQuoted(word);
    command += " >" + ShellQuoted(Scratch("stdout").string()) + " 2>" +
               ShellQuoted(Scratch("stderr").string());
    const int status = std::system(command.c_str());
    ToolRun run;
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadHostFile(Scratch("stdout"));
    run.err = ReadHostFile(Scratch("stderr"));
    return run;
  }

  inktest::TempMachine temp_;
};

TEST_F(InkmachineTest, ExportAndImportCarryAKeyTree) {
  const std::string file = Scratch("ink.reg").string();
  struct Step {
    std::vector<std::string> words;
    int exit_code;
    std::string out;  // a part of what the tool prints, or of its error
  };
  const Step steps[] = {
      {{"reg", "add", "HKLM\\Software\\Ink", "/v", "Name", "/d", "Ink \"Setup\" //x", "/f"}, 0, "completed"},
      {{"reg", "add", "HKLM\\Software\\Ink\\Sub", "/v", "Count", "/t", "REG_DWORD", "/d", "10", "/f"}, 0, "completed"},
      {{"reg", "add", "HKLM\\Software\\Ink\\Sub", "/ve", "/d", "default", "/f"}, 0, "completed"},
      {{"reg", "export", "HKLM\\Software\\Ink", file}, 0, "completed"},
      {{"reg", "export", "HKLM\\Software\\Ink", file}, 1, "exists"},
      {{"reg", "delete", "HKLM\\Software\\Ink", "/f"}, 0, "completed"},
      {{"reg", "query", "HKLM\\Software\\Ink"}, 1, "error 2"},
      {{"reg", "query", "HKLM\\Software"}, 0, "HKLM\\Software"},
      {{"reg", "import", file}, 0, "completed"},
      {{"reg", "query", "HKLM\\Software\\Ink", "/s"}, 0, "Name    REG_SZ    Ink \"Setup\" //x"},
      {{"reg", "query", "HKLM\\Software\\Ink\\Sub"}, 0, "Count    REG_DWORD    0xa"},
      {{"reg", "query", "HKLM\\Software\\Ink\\Sub"}, 0, "(Default)    REG_SZ    default"},
  };
  for (const auto& step : steps) {
    const ToolRun run = Run(step.words);
    std::string what;
    for (const auto& word : step.words) what += word + " ";
    EXPECT_EQ(run.exit_code, step.exit_code) << what << run.err;
    EXPECT_NE((step.exit_code == 0 ? run.out : run.err).find(step.out), std::string::npos)
        << what << "\nout: " << run.out << "\nerr: " << run.err;
  }
  EXPECT_EQ(ReadHostFile(file),
            "[HKEY_LOCAL_MACHINE\\Software\\Ink]\r\n"
            "\"Name\"=\"Ink \"Setup\" %2F/x\"\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Ink\\Sub]\r\n"
            "\"Count\"=dword:0000000a\r\n"
            "@=\"default\"\r\n");
}

TEST_F(InkmachineTest, DeleteLeavesTheParentsAlone) {
  ASSERT_EQ(Run({"reg", "add", "HKCU\\Software\\Parent\\Child\\Leaf", "/f"}).exit_code, 0);
  ASSERT_EQ(Run({"reg", "delete", "HKCU\\Software\\Parent\\Child", "/f"}).exit_code, 0);
  EXPECT_EQ(Run({"reg", "query", "HKCU\\Software\\Parent\\Child"}).exit_code, 1);
  EXPECT_EQ(Run({"reg", "query", "HKCU\\Software\\Parent"}).exit_code, 0);
}

TEST_F(InkmachineTest, ErrorsAreClearAndFail) {
  const fs::path not_a_machine = Scratch("not-a-machine");
  fs::create_directories(not_a_machine);
  std::ofstream(not_a_machine / "notes.txt") << "just a file";
  std::ofstream(Scratch("broken.reg")) << "[HKEY_LOCAL_MACHINE\\Software\\Broken]\r\n\"x\"=sz:abc\r\n";
  struct Case {
    std::vector<std::string> words;
    fs::path machine;
    std::string error;  // a part of the message on standard error
  };
  const Case cases[] = {
      {{"reg", "query", "HKXX\\Software"}, {}, "unknown root in 'HKXX\\Software'"},
      {{"reg", "export", "HKXX\\Software", Scratch("x.reg").string()}, {}, "unknown root"},
      {{"reg", "query", "HKLM\\Software\\Missing"}, {}, "cannot find"},
      {{"reg", "export", "HKLM\\Software\\Missing", Scratch("x.reg").string()}, {}, "cannot find"},
      {{"reg", "export", "HKLM\\Software"}, {}, "needs a key and a file"},
      {{"reg", "import", Scratch("missing.reg").string()}, {}, "cannot read"},
      {{"reg", "import", Scratch("broken.reg").string()}, {}, "error 13"},
      {{"reg", "query", "HKLM\\Software"}, not_a_machine, "not-a-machine"},
  };
  for (const auto& c : cases) {
    const ToolRun run = Run(c.words, c.machine);
    EXPECT_NE(run.exit_code, 0) << c.words[1];
    EXPECT_NE(run.err.find(c.error), std::string::npos) << c.words[1] << ": " << run.err;
  }
  EXPECT_FALSE(fs::exists(Scratch("x.reg")));
}

}  // namespace
