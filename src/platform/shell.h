// Opening documents, folders, URLs and programs "through the shell": a
// program is started as a process, anything else is handed to the machine's
// opener, which stands for the file associations of a Windows desktop.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "platform/process.h"

namespace platform {

struct ShellRequest {
  std::string verb;        // "open" when empty; passed on in lower case
  std::string file;        // Windows path of a document, folder or program, or a URL
  std::string parameters;  // arguments of a program
  std::string directory;   // Windows working directory; empty: the current one
  // Filled by ShellExecute for the opener: the host form of `file`, empty
  // for a URL.
  std::filesystem::path host_path;
};

// An opener answers a request with 0 or a Windows error number.
using ShellOpener = std::function<long(const ShellRequest&)>;

// Replaces the machine's opener, for tests that record what was opened; an
// empty function restores the default, which runs the host's `xdg-open` on
// the host path or URL for the verbs "open" and "explore" and answers 1155
// (no association) for other verbs or when `xdg-open` is not on the PATH.
// The default does not wait for the opened application.
void SetShellOpener(ShellOpener opener);

// Carries out a request as the Windows shell does. A URL ("scheme:...",
// the scheme at least two characters so that drive letters are not taken
// for one) goes to the opener. A file with a program extension opened with
// "open" is started with StartProcess (its parameters and directory), and
// `process`, when given, receives its handle to wait on. Any other file
// must exist (2, or 3 for a missing directory) and goes to the opener with
// its host path; `process` is left empty.
long ShellExecute(const ShellRequest& request, Process* process);

}  // namespace platform
