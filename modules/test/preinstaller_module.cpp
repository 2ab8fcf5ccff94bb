// Test pre-installer module.
#include "inkstall_module.h"
#include "module_script.h"

extern "C" int32_t Preinstall(const char* command_line, InkWindow owner) {
  return testmodule::Answer("Preinstall", {command_line, owner}, 0);
}
