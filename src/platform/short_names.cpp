// Short (8.3) names. A name that already has the 8.3 form is its own short
// name. Any other name gets the first six characters of its name part, "~n"
// and the first three characters of its extension, upper case, where n
// counts up among the names of the same directory that need one, in
// case-insensitive name order. So the names stay the same on every machine
// with the same directory contents, and "Program Files" becomes "PROGRA~1"
// beside "Program Files (x86)" as "PROGRA~2".
#include <sys/stat.h>

#include <algorithm>
#include <set>

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

constexpr std::size_t kShortNameLength = 8;
constexpr std::size_t kShortExtensionLength = 3;
constexpr std::size_t kShortBasisLength = 6;
constexpr std::string_view kShortNamePunctuation = "!#$%&'()-@^_`{}~";
constexpr std::string_view kLongNameOnly = "+,;=[]";  // allowed in long names only

// True for a single-byte character that an 8.3 name may hold.
bool IsShortNameCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         byte >= 0x80 || kShortNamePunctuation.find(c) != std::string_view::npos;
}

// True when `part` has at most `limit` bytes, all of them characters an 8.3
// name may hold (a double-byte character always may).
bool IsShortPart(std::string_view part, std::size_t limit, std::uint32_t code_page) {
  if (part.size() > limit) return false;
  for (std::size_t at = 0; at < part.size(); at += CharacterLength(code_page, part, at)) {
    if (CharacterLength(code_page, part, at) == 1 && !IsShortNameCharacter(part[at])) return false;
  }
  return true;
}

// True when `name` (code page bytes) has the 8.3 form already.
bool IsShortName(std::string_view name, std::uint32_t code_page) {
  const auto dot = name.find('.');
  if (dot == std::string_view::npos) return !name.empty() && IsShortPart(name, kShortNameLength, code_page);
  const std::string_view base = name.substr(0, dot), extension = name.substr(dot + 1);
  return !base.empty() && !extension.empty() && extension.find('.') == std::string_view::npos &&
         IsShortPart(base, kShortNameLength, code_page) &&
         IsShortPart(extension, kShortExtensionLength, code_page);
}

// `part` made fit for an 8.3 name: letters upper case, blanks and dots left
// out, characters only long names may hold replaced by "_", cut to at most
// `limit` bytes without splitting a double-byte character.
std::string ShortPart(std::string_view part, std::size_t limit, std::uint32_t code_page) {
  std::string result;
  for (std::size_t at = 0; at < part.size();) {
    const std::size_t length = CharacterLength(code_page, part, at);
    if (result.size() + length > limit) break;
    const char c = part[at];
    if (length == 2) {
      result.append(part.substr(at, 2));
    } else if (kLongNameOnly.find(c) != std::string_view::npos) {
      result += '_';
    } else if (c != ' ' && c != '.') {
      result += static_cast<char>(FoldCase(c));
    }
    at += length;
  }
  return result;
}

// The 8.3 name with number `number` for the long name `name`.
std::string NumberedShortName(std::string_view name, unsigned number, std::uint32_t code_page) {
  const std::string tail = "~" + std::to_string(number);
  name.remove_prefix(std::min(name.find_first_not_of('.'), name.size()));
  const auto dot = name.rfind('.');
  const std::string_view base = dot == std::string_view::npos ? name : name.substr(0, dot);
  std::string result = ShortPart(base, std::min(kShortBasisLength, kShortNameLength - tail.size()), code_page);
  if (result.empty()) result = "_";
  result += tail;
  if (dot != std::string_view::npos) {
    const std::string extension = ShortPart(name.substr(dot + 1), kShortExtensionLength, code_page);
    if (!extension.empty()) result += "." + extension;
  }
  return result;
}

// The 8.3 name of entry `entry` of host directory `dir`, in code page bytes.
std::string ShortNameInDirectory(const fs::path& dir, const std::string& entry, std::uint32_t code_page) {
  const std::string name = Utf8ToCodePage(entry, code_page);
  if (IsShortName(name, code_page)) return name;
  std::vector<std::string> siblings;
  for (const auto& sibling : SortedEntries(dir)) siblings.push_back(Utf8ToCodePage(sibling, code_page));
  // Names that are 8.3 already keep them; numbered names go around them.
  std::set<std::string> taken;
  const auto fold = [](std::string text) {
    for (char& c : text) c = static_cast<char>(FoldCase(c));
    return text;
  };
  for (const auto& sibling : siblings) {
    if (IsShortName(sibling, code_page)) taken.insert(fold(sibling));
  }
  for (const auto& sibling : siblings) {
    if (IsShortName(sibling, code_page)) continue;
    for (unsigned number = 1;; ++number) {
      std::string candidate = NumberedShortName(sibling, number, code_page);
      if (!taken.insert(fold(candidate)).second) continue;
      if (sibling == name) return candidate;
      break;
    }
  }
  return name;  // not reached: `entry` is one of the siblings
}

}  // namespace

long GetShortPathName(std::string_view path, std::string& short_path) {
  const Machine& machine = CurrentMachine();
  const std::uint32_t code_page = machine.Config().code_page;
  HostFile file;
  if (const long error = LocateFile(machine, path, file)) return Report(error);
  if (!file.exists) return Report(MissingPathError(file.path));
  WindowsPath parsed;
  ParseWindowsPath(path, machine.CurrentDirectory(), code_page, parsed);
  WindowsPath root = parsed;
  root.components.clear();
  std::string result = FormatWindowsPath(root, code_page);
  fs::path dir;
  if (const long error = machine.ToHostPath(result, dir)) return Report(error);
  for (const auto& name : parsed.components) {
    const std::string entry = FindEntryIgnoringCase(dir, name);
    if (entry.empty()) return Report(MissingPathError(dir / name));
    if (!EndsWithSeparator(result, code_page)) result += '\\';
    result += ShortNameInDirectory(dir, entry, code_page);
    dir /= entry;
  }
  short_path = result;
  return Report(kErrorSuccess);
}

}  // namespace platform
