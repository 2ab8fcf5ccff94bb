// Commands that start programs and open files, addresses, folders and
// manuals through the shell.
#include "wizard/cmd_operator.h"

#include "app/global_variable.h"
#include "app/path_text.h"
#include "app/system_error.h"
#include "platform/errors.h"
#include "platform/shell.h"
#include "printer/installer_modules.h"
#include "profile/format.h"
#include "profile/log.h"

using wizard::CommandRecord;
using wizard::CommandType;

namespace {

constexpr const char* kOpenVerb = "open";
constexpr const char* kBrowser = "IEXPLORE.EXE";

// Hands `file` with `parameters` to the shell with the verb "open", in
// `directory`; `process` receives the program's process when one started.
long ShellOpen(const std::string& file, const std::string& parameters = {}, const std::string& directory = {},
               platform::Process* process = nullptr) {
  return platform::ShellExecute({kOpenVerb, file, parameters, directory, {}}, process);
}

// The directory of a resolved program: the text, trimmed of blanks, tabs
// and double quotes, up to its last "\".
std::string ProgramDirectory(const std::string& program) {
  const std::string_view trimmed = wizard::TrimBlanksAndQuotes(program);
  const std::size_t slash = app::LastSeparator(trimmed);
  return slash == std::string_view::npos ? std::string() : std::string(trimmed.substr(0, slash));
}

// Logs `error`, the reason the shell gave for failing to open an address;
// `what` names the attempt ("Open IEXPLORE.EXE").
void LogOpenFailure(long error, const char* what) {
  switch (error) {
    case platform::kErrorOutOfMemory: Log().Write("The system is out of memory or resources.\r\n"); break;
    case platform::kErrorNoAssociation: Log().Write("There is no association for the specified file type.\r\n"); break;
    default: Log().WriteError(error, what); break;
  }
}

}  // namespace

std::optional<platform::Process> CCmdOperator::StartProgram(const std::string& program, const std::string& arguments) {
  const std::string path = environment_.ResolvePath(environment_.ExpandDefinedStrings(program, 0, {}, {}), true);
  if (path.empty()) return std::nullopt;
  platform::Process process;
  const long error =
      ShellOpen(path, environment_.ExpandDefinedStrings(arguments, 0, {}, {}), ProgramDirectory(path), &process);
  if (error != platform::kErrorSuccess) {
    app::ShowSystemError(error, path);
    return std::nullopt;
  }
  return process;
}

bool CCmdOperator::ExecuteProgram(CommandType type, const CommandRecord& record) {
  const std::optional<platform::Process> started = StartProgram(record.Parameter(1), record.Parameter(2));
  switch (type) {
    case CommandType::kExeNoWait: return started.has_value();
    case CommandType::kExeAndTerminate:
      if (started) EndApplication(false);
      return true;
    default:
      // A document opened by the shell leaves no process to wait for.
      if (started && started->IsValid()) waiter_.Wait(*started, type == CommandType::kExeWait);
      return true;
  }
}

bool CCmdOperator::OpenFile(const std::string& file) {
  const std::string path = environment_.ResolvePath(file, true);
  if (path.empty()) return false;
  if (const long error = ShellOpen(path)) app::ShowSystemError(error, path);
  return true;
}

bool CCmdOperator::OpenUrl(const std::string& address) {
  long error = ShellOpen(kBrowser, address);
  if (error == platform::kErrorSuccess) return true;
  LogOpenFailure(error, "Open IEXPLORE.EXE");
  error = ShellOpen(address);
  if (error == platform::kErrorSuccess) return true;
  LogOpenFailure(error, "Open");
  return false;
}

bool CCmdOperator::OpenBrowse(const std::string& folder) {
  const std::string expanded = environment_.ExpandDefinedStrings(folder, 0, {}, {});
  std::string path =
      expanded.empty() ? environment_.InstallerDirectory().substr(0, 3) : environment_.ResolvePath(expanded, false);
  if (path.empty() || path.back() != '\\') path += '\\';
  Log().Write(profile::Format("Open Browse : %s", path));
  if (const long error = ShellOpen(path)) app::ShowSystemError(error, path);
  return true;
}

bool CCmdOperator::OpenManual(const std::string& manual, const std::string& extra) {
  const std::string path = environment_.ResolvePath(environment_.ExpandDefinedStrings(manual, 0, {}, {}), true);
  if (path.empty()) return false;
  const std::string arguments = profile::Format("/T %s %s", path, environment_.ExpandDefinedStrings(extra, 0, {}, {}));
  const std::string& opener = modules_.GetOpenExePath();
  platform::Process process;
  long error =
      opener.empty() ? platform::kErrorFileNotFound : ShellOpen(opener, arguments, ProgramDirectory(opener), &process);
  if (error != platform::kErrorSuccess) {
    Log().WriteError(error, "Open Manual");
    error = ShellOpen(path, {}, {}, &process);
    if (error != platform::kErrorSuccess) {
      app::ShowSystemError(error, path);
      return false;
    }
  }
  if (process.IsValid()) waiter_.Wait(process, false);
  return true;
}
