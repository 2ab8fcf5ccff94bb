// The setup program's own options, which begin with "--" and are taken out
// before the installer reads its command line: the machine to run on, the
// medium, the application name when the medium's data file is named
// otherwise than the program, and a folder for screenshots of the pages.
#pragma once

#include <string>
#include <vector>

namespace app {

struct SetupOptions {
  std::string machine;  // --machine DIR
  std::string medium;   // --medium DIR
  std::string name;     // --name NAME
  // --screenshot DIR: every window shown is saved there as a PNG, and the
  // wizard walks its pages by Next on its own.
  std::string screenshot;
  // --stop-after-pages N: the run ends once N pages were shown, saying so
  // on standard output (how the start-up benchmark sees the first page).
  std::string stop_after_pages;
  // The arguments left for the installer's command line, in order.
  std::vector<std::string> installer_arguments;
};

// Splits `arguments` (without the program name) into our options, given as
// "--option VALUE" or "--option=VALUE", and the rest. False with a reason
// for an unknown "--" option or one without a value.
bool ParseSetupOptions(const std::vector<std::string>& arguments, SetupOptions& options, std::string& error);

}  // namespace app
