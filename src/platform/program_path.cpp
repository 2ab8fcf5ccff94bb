#include "platform/program_path.h"

#include <unistd.h>

#include <array>
#include <cctype>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/machine.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 4> kProgramExtensions = {".exe", ".com", ".bat", ".cmd"};

// True when `text` ends in the lower-case `suffix`, ignoring letter case.
bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  const std::string_view tail = text.substr(text.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(tail[i])) != suffix[i]) return false;
  }
  return true;
}

// True for a name without any directory or drive.
bool IsBareName(std::string_view name) {
  return name.find_first_of("\\/:") == std::string_view::npos;
}

// The Windows paths to try for `program`, in order of preference.
std::vector<std::string> Candidates(std::string_view program) {
  std::vector<std::string> bases;
  if (IsBareName(program)) {
    const Machine& machine = CurrentMachine();
    for (const std::string& dir :
         {machine.CurrentDirectory(), machine.SystemDirectory(), machine.WindowsDirectory()}) {
      bases.push_back(dir + "\\" + std::string(program));
    }
  } else {
    bases.emplace_back(program);
  }
  std::vector<std::string> candidates;
  for (const std::string& base : bases) {
    candidates.push_back(base);
    if (HasProgramExtension(base)) candidates.push_back(base.substr(0, base.rfind('.')));
  }
  return candidates;
}

}  // namespace

bool HasProgramExtension(std::string_view name) {
  for (std::string_view extension : kProgramExtensions) {
    if (EndsWithIgnoringCase(name, extension)) return true;
  }
  return false;
}

long FindProgram(std::string_view program, fs::path& host) {
  if (program.empty()) return kErrorFileNotFound;
  const bool explicit_path = !IsBareName(program);
  bool found_other = false;
  bool found_directory = false;
  for (const std::string& candidate : Candidates(program)) {
    fs::path mapped;
    const long error = CurrentMachine().ToHostPath(candidate, mapped);
    if (error != kErrorSuccess) {
      if (explicit_path) return error;
      continue;
    }
    std::error_code ec;
    if (fs::is_directory(mapped.parent_path(), ec)) found_directory = true;
    if (!fs::is_regular_file(mapped, ec)) continue;
    if (::access(mapped.c_str(), X_OK) == 0) {
      host = mapped;
      return kErrorSuccess;
    }
    found_other = true;
  }
  if (found_other) return kErrorBadExeFormat;
  return found_directory || !explicit_path ? kErrorFileNotFound : kErrorPathNotFound;
}

}  // namespace platform
