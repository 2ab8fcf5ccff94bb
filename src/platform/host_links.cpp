#include "platform/host_links.h"

#include <system_error>
#include <vector>

namespace platform {

namespace fs = std::filesystem;

namespace {

// Pushes the components of `path` onto `pending` so that the first one is
// taken next.
void PushComponents(const fs::path& path, std::vector<fs::path>& pending) {
  const fs::path relative = path.relative_path();
  std::vector<fs::path> parts(relative.begin(), relative.end());
  pending.insert(pending.end(), parts.rbegin(), parts.rend());
}

}  // namespace

bool ResolveLinks(const fs::path& path, fs::path& real) {
  std::vector<fs::path> pending;
  PushComponents(path, pending);
  fs::path current = path.root_path();
  int hops = 0;
  while (!pending.empty()) {
    const fs::path part = std::move(pending.back());
    pending.pop_back();
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      current = current.parent_path();
      continue;
    }
    const fs::path next = current / part;
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(next, ec))) {
      current = next;
      continue;
    }
    if (++hops > kMaxLinkHops) return false;
    const fs::path target = fs::read_symlink(next, ec);
    if (ec) return false;
    if (target.is_absolute()) current = target.root_path();
    PushComponents(target, pending);
  }
  real = current;
  return true;
}

bool IsWithin(const fs::path& path, const fs::path& root) {
  auto path_part = path.begin();
  for (auto root_part = root.begin(); root_part != root.end(); ++root_part) {
    if (root_part->empty()) continue;  // the trailing "/" of a directory
    if (path_part == path.end() || *path_part != *root_part) return false;
    ++path_part;
  }
  return true;
}

}  // namespace platform
