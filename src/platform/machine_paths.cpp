// The mapping between Windows paths and host paths of a machine. Drives map
// through the drive table; a UNC path "\\server\share\p" maps into the
// directory unc/<server>/<share> of the machine. Whatever a path names, it is
// only handed out when, with every symbolic link followed, it stays inside a
// drive or the UNC directory, so that nothing on a medium can make the
// installer write elsewhere on the host.
#include <system_error>

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/host_links.h"
#include "platform/host_names.h"
#include "platform/machine.h"
#include "platform/windows_path.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUncDirectory = "unc";

// A host directory that stands for a Windows root, with the Windows text of
// that root. `names_in_root` is the number of leading names below the host
// directory that still belong to the root (server and share for UNC).
struct HostRoot {
  fs::path dir;
  std::string windows_root;
  std::size_t names_in_root = 0;
};

// The roots a host path may lie in, each drive both as configured and with
// its links followed.
std::vector<HostRoot> HostRoots(const Machine& machine) {
  std::vector<HostRoot> roots;
  const auto add = [&roots](const fs::path& dir, const std::string& windows_root, std::size_t names_in_root) {
    roots.push_back({dir.lexically_normal(), windows_root, names_in_root});
    fs::path real;
    if (ResolveLinks(dir, real)) roots.push_back({real, windows_root, names_in_root});
  };
  for (const auto& drive : machine.Config().drives) add(drive.host_dir, std::string(1, drive.letter) + ":\\", 0);
  add(machine.Directory() / kUncDirectory, "\\\\", 2);
  return roots;
}

// The names of `path` below `root`, which it must lie in.
std::vector<std::string> NamesBelow(const fs::path& path, const fs::path& root) {
  std::vector<std::string> names;
  for (const auto& part : path.lexically_relative(root)) {
    if (!part.empty() && part != ".") names.push_back(part.string());
  }
  return names;
}

// True when the real path `real` lies in a drive or in a share of the UNC
// directory.
bool IsInsideMachine(const Machine& machine, const fs::path& real) {
  for (const auto& root : HostRoots(machine)) {
    if (IsWithin(real, root.dir) && NamesBelow(real, root.dir).size() >= root.names_in_root) return true;
  }
  return false;
}

}  // namespace

long Machine::ToHostPath(std::string_view windows_path, fs::path& host) const {
  WindowsPath parsed;
  if (!ParseWindowsPath(windows_path, CurrentDirectory(), Config().code_page, parsed)) return kErrorPathNotFound;
  fs::path lexical;
  std::vector<std::string> names;
  if (parsed.drive != 0) {
    const Drive* drive = FindDrive(parsed.drive);
    if (!drive) return kErrorPathNotFound;
    lexical = drive->host_dir;
  } else {
    lexical = Directory() / kUncDirectory;
    names = {parsed.server, parsed.share};
  }
  names.insert(names.end(), parsed.components.begin(), parsed.components.end());
  // Existing names take their case from the disk; below the first name that
  // does not exist nothing can exist, so the rest keep the case given.
  bool looking = true;
  for (const auto& name : names) {
    std::string entry = looking ? FindEntryIgnoringCase(lexical, name) : std::string();
    looking = !entry.empty();
    lexical /= looking ? entry : name;
  }
  fs::path real;
  if (!ResolveLinks(lexical, real) || !IsInsideMachine(*this, real)) return kErrorAccessDenied;
  host = real;
  return kErrorSuccess;
}

bool Machine::ToWindowsPath(const fs::path& host, std::string& windows_path) const {
  std::error_code ec;
  const fs::path normal = fs::absolute(host, ec).lexically_normal();
  // Drives may nest (a medium inside drive_c/); the innermost root wins.
  const auto roots = HostRoots(*this);
  const HostRoot* best = nullptr;
  std::size_t best_depth = 0;
  for (const auto& root : roots) {
    if (!IsWithin(normal, root.dir)) continue;
    const std::size_t depth = static_cast<std::size_t>(std::distance(root.dir.begin(), root.dir.end()));
    if (!best || depth > best_depth) {
      best = &root;
      best_depth = depth;
    }
  }
  if (!best) return false;
  const std::vector<std::string> names = NamesBelow(normal, best->dir);
  if (names.size() < best->names_in_root) return false;
  std::string text = best->windows_root;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += '\\';
    text += names[i];
  }
  windows_path = Utf8ToCodePage(text, Config().code_page);
  return true;
}

}  // namespace platform
