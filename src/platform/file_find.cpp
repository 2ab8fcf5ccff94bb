// Listing the entries of a directory that match a wildcard pattern.
#include <sys/stat.h>

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/file_errors.h"
#include "platform/file_host.h"
#include "platform/files.h"
#include "platform/host_names.h"
#include "platform/windows_path.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

// Matches UTF-8 `name` against `pattern`: "*" stands for any run of
// characters, "?" for one character, and letters match without regard to
// case. When a "*" fails further on, the match is retried with that "*"
// taking one more character, which finds a match whenever there is one.
bool MatchWildcards(std::string_view name, std::string_view pattern) {
  std::size_t n = 0, p = 0;
  std::size_t star = std::string_view::npos, star_name = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      star_name = n;
    } else if (p < pattern.size() && pattern[p] == '?') {
      ++p;
      n += Utf8CharacterLength(name, n);
    } else if (p < pattern.size() && FoldCase(pattern[p]) == FoldCase(name[n])) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      star_name += Utf8CharacterLength(name, star_name);
      n = star_name;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// Windows' reading of the DOS forms: "x.*" also matches "x" without an
// extension (so "*.*" matches every name), and "x." matches only names
// without one.
bool MatchesPattern(std::string_view name, std::string_view pattern) {
  if (MatchWildcards(name, pattern)) return true;
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*") {
    return MatchWildcards(name, pattern.substr(0, pattern.size() - 2));
  }
  if (pattern.size() >= 2 && pattern.back() == '.' && name.find('.') == std::string_view::npos) {
    return MatchWildcards(name, pattern.substr(0, pattern.size() - 1));
  }
  return false;
}

// Splits `pattern` (code page bytes) into its directory and its last name.
// The directory keeps its final separator, so "C:\*" keeps the root "C:\".
void SplitPattern(std::string_view pattern, std::uint32_t code_page, std::string& directory, std::string& name) {
  std::size_t name_start = 0;
  if (HasDriveLetter(pattern)) name_start = 2;
  for (std::size_t at = 0; at < pattern.size(); at += CharacterLength(code_page, pattern, at)) {
    if (IsPathSeparator(pattern[at])) name_start = at + 1;
  }
  directory = name_start == 0 ? "." : std::string(pattern.substr(0, name_start));
  name = pattern.substr(name_start);
}

}  // namespace

long FindFiles(std::string_view pattern, std::vector<FindData>& found) {
  found.clear();
  const Machine& machine = CurrentMachine();
  const std::uint32_t code_page = machine.Config().code_page;
  std::string directory, name_pattern;
  SplitPattern(pattern, code_page, directory, name_pattern);
  HostFile dir;
  if (const long error = LocateFile(machine, directory, dir)) return Report(error);
  if (!dir.exists || !S_ISDIR(dir.status.st_mode)) return Report(kErrorPathNotFound);
  const std::string wanted = CodePageToUtf8(name_pattern, code_page);
  if (wanted.empty()) return Report(kErrorFileNotFound);
  for (const auto& entry : SortedEntries(dir.path)) {
    if (!MatchesPattern(entry, wanted)) continue;
    struct stat status;
    const fs::path host = dir.path / entry;
    if (::stat(host.c_str(), &status) != 0 && ::lstat(host.c_str(), &status) != 0) continue;
    found.push_back({Utf8ToCodePage(entry, code_page), AttributesFromMode(status.st_mode),
                     S_ISDIR(status.st_mode) ? 0 : static_cast<std::uint64_t>(status.st_size)});
  }
  return Report(found.empty() ? kErrorFileNotFound : kErrorSuccess);
}

}  // namespace platform
