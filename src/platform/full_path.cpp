// The absolute form of a Windows path.
#include "platform/errors.h"
#include "platform/file_errors.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/windows_path.h"

namespace platform {

long GetFullPathName(std::string_view path, std::string& full_path) {
  const Machine& machine = CurrentMachine();
  WindowsPath parsed;
  if (!ParseWindowsPath(path, machine.CurrentDirectory(), machine.Config().code_page, parsed)) {
    return Report(kErrorPathNotFound);
  }
  full_path = FormatWindowsPath(parsed, machine.Config().code_page);
  return Report(kErrorSuccess);
}

}  // namespace platform
