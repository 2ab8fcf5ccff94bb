// The setup program's own options, which begin with "--" and are taken out
// before the installer reads its command line: the machine to run on, the
// medium, and the application name when the medium's data file is named
// otherwise than the program.
#pragma once

#include <string>
#include <vector>

namespace app {

struct SetupOptions {
  std::string machine;  // --machine DIR
  std::string medium;   // --medium DIR
  std::string name;     // --name NAME
  // The arguments left for the installer's command line, in order.
  std::vector<std::string> installer_arguments;
};

// Splits `arguments` (without the program name) into our options, given as
// "--option VALUE" or "--option=VALUE", and the rest. False with a reason
// for an unknown "--" option or one without a value.
bool ParseSetupOptions(const std::vector<std::string>& arguments, SetupOptions& options, std::string& error);

}  // namespace app
