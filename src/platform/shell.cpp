#include "platform/shell.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <mutex>
#include <string_view>

#include "platform/errors.h"
#include "platform/machine.h"
#include "platform/program_path.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDefaultVerb = "open";
constexpr std::string_view kHostOpener = "xdg-open";

// The host program `name` on the PATH, or an empty path.
fs::path FindOnHostPath(std::string_view name) {
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "";
  while (!dirs.empty()) {
    const auto colon = dirs.find(':');
    const std::string_view dir = dirs.substr(0, colon);
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    if (dir.empty()) continue;
    const fs::path candidate = fs::path(dir) / name;
    std::error_code ec;
    if (fs::is_regular_file(candidate, ec) && ::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
  }
  return {};
}

// The default opener: hands the host path or the URL to xdg-open and does
// not wait for it.
long OpenWithHost(const ShellRequest& request) {
  if (request.verb != "open" && request.verb != "explore") return kErrorNoAssociation;
  const fs::path opener = FindOnHostPath(kHostOpener);
  if (opener.empty()) return kErrorNoAssociation;
  const std::string target = request.host_path.empty() ? request.file : request.host_path.string();
  Process process;
  return StartHostProcess(opener, {opener.string(), target}, {}, process);
}

std::mutex opener_mutex;
ShellOpener current_opener;

// A copy of the opener in use, so that it runs outside the lock.
ShellOpener CurrentOpener() {
  std::lock_guard lock(opener_mutex);
  return current_opener ? current_opener : ShellOpener(OpenWithHost);
}

// True for "scheme:rest" with a scheme of two or more characters.
bool IsUrl(std::string_view file) {
  const auto colon = file.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  if (!std::isalpha(static_cast<unsigned char>(file[0]))) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const unsigned char c = static_cast<unsigned char>(file[i]);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

}  // namespace

void SetShellOpener(ShellOpener opener) {
  std::lock_guard lock(opener_mutex);
  current_opener = std::move(opener);
}

long ShellExecute(const ShellRequest& request, Process* process) {
  ShellRequest resolved = request;
  // Verbs are names of the association, compared without letter case.
  for (char& c : resolved.verb) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  if (resolved.verb.empty()) resolved.verb = kDefaultVerb;
  if (resolved.file.empty()) return kErrorFileNotFound;
  if (IsUrl(resolved.file)) return CurrentOpener()(resolved);

  if (resolved.verb == kDefaultVerb && HasProgramExtension(resolved.file)) {
    Process started;
    const long error =
        StartProcess(resolved.file, resolved.parameters, resolved.directory, started);
    if (error == kErrorSuccess && process) *process = started;
    return error;
  }

  if (const long error = CurrentMachine().ToHostPath(resolved.file, resolved.host_path);
      error != kErrorSuccess) {
    return error;
  }
  std::error_code ec;
  if (!fs::exists(resolved.host_path, ec)) {
    return fs::is_directory(resolved.host_path.parent_path(), ec) ? kErrorFileNotFound
                                                                   : kErrorPathNotFound;
  }
  return CurrentOpener()(resolved);
}

}  // namespace platform
