// inkmachine: create a machine and look at what an installation did to it.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "commands.h"
#include "platform/machine.h"

namespace {

constexpr const char* kUsage = R"(usage: inkmachine [--machine DIR] COMMAND [ARGS...]

A machine is a directory that stands for one Windows computer. DIR defaults
to the environment variable INKSTALL_MACHINE.

Commands:
  init                     create the machine with defaults (nothing happens
                           to one that exists)
  show                     print the emulated system: version, language,
                           code page, administrator, drives
  files WINDIR             list the files below a Windows directory of the
                           machine, e.g. files "C:\Program Files"
  reboot                   carry out the deletions and replacements that
                           were left for the next restart
  reg query KEY [/v NAME | /ve] [/s]
                           print a key's values (/s: and all its subkeys),
                           or one value (/ve: the unnamed default value)
  reg add KEY [/v NAME | /ve] [/t TYPE] [/d DATA] [/f]
                           create a key, or set a value; TYPE is REG_SZ
                           (default), REG_EXPAND_SZ, REG_MULTI_SZ (parts
                           separated by \0), REG_DWORD (decimal or 0x...) or
                           REG_BINARY (hex digits); an existing value is only
                           overwritten with /f
  reg delete KEY [/v NAME | /ve] [/f]
                           delete a key with all its subkeys, or one value;
                           nothing is deleted without /f
  reg export KEY FILE      save a key with all its subkeys as a registry
                           text file at the host path FILE, which must not
                           exist yet (strings and numbers; other types are
                           not carried)
  reg import FILE          write the keys and values of a registry text file
                           at the host path FILE into the registry

KEY is written "HKLM\Software\X" or "HKEY_LOCAL_MACHINE\Software\X"; the
roots are HKCR, HKCU, HKLM, HKU and HKCC.
)";

using Command = int (*)(const inkmachine::Words&);

}  // namespace

int main(int argc, char** argv) {
  inkmachine::Words words(argv + 1, argv + argc);
  std::string machine_dir;
  if (const char* env = std::getenv("INKSTALL_MACHINE")) machine_dir = env;
  if (!words.empty() && words[0] == "--machine") {
    if (words.size() < 2) return inkmachine::Fail("--machine needs a directory");
    machine_dir = words[1];
    words.erase(words.begin(), words.begin() + 2);
  }
  if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    std::fputs(kUsage, words.empty() ? stderr : stdout);
    return words.empty() ? 2 : 0;
  }
  if (machine_dir.empty()) return inkmachine::Fail("no machine: give --machine DIR or set INKSTALL_MACHINE");

  static const std::map<std::string, Command> commands = {
      {"init", [](const inkmachine::Words&) { return 0; }},
      {"show", inkmachine::ShowCommand},
      {"files", inkmachine::FilesCommand},
      {"reboot", inkmachine::RebootCommand},
      {"reg", inkmachine::RegCommand},
  };
  const auto command = commands.find(words[0]);
  if (command == commands.end()) return inkmachine::Fail("unknown command '" + words[0] + "' (see --help)");

  std::string error;
  auto machine = platform::Machine::Open(machine_dir, &error);
  if (!machine) return inkmachine::Fail(error);
  if (words[0] == "init") std::printf("Machine ready in %s\n", machine->Directory().c_str());
  platform::SetCurrentMachine(std::move(machine));
  return command->second(inkmachine::Words(words.begin() + 1, words.end()));
}
