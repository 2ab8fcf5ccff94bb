// Test remote-install module. The call line names the target PC and the
// command line, never the password.
#include <cstring>
#include <string_view>

#include "inkstall_module.h"
#include "module_script.h"

namespace {

std::string_view Field(const char (&field)[INK_REMOTE_FIELD_SIZE]) {
  return std::string_view(field, ::strnlen(field, INK_REMOTE_FIELD_SIZE));
}

}  // namespace

extern "C" int32_t DoRemoteInstall(InkRemoteInstallRecord* record) {
  return testmodule::Answer("DoRemoteInstall", {Field(record->remote_ip), Field(record->command_line)}, 1);
}
