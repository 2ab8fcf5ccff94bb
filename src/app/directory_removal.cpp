#include "app/directory_removal.h"

#include <chrono>
#include <string>

#include "app/path_text.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "profile/format.h"
#include "profile/log.h"

namespace app {

namespace {

using std::chrono::milliseconds;

constexpr milliseconds kSettleTime{10};
constexpr milliseconds kGoneCheckInterval{1};
constexpr int kMaxGoneChecks = 5;

// The text before the last "\" of `path`, or nothing when it has none.
bool ParentOf(std::string_view path, std::string& parent) {
  const std::size_t last = LastSeparator(path);
  if (last == std::string_view::npos) return false;
  parent = std::string(path.substr(0, last));
  return true;
}

}  // namespace

bool RemoveDirectories(std::string_view directory) {
  if (directory.empty()) return false;
  std::string current(directory);
  while (platform::RemoveDirectory(current) == platform::kErrorSuccess) {
    std::string parent;
    if (!ParentOf(current, parent) || (!parent.empty() && parent.back() == ':')) break;
    current = std::move(parent);
  }
  return true;
}

bool RemoveFileAndFolders(std::string_view path, bool keep_folders) {
  if (platform::DeleteFile(path) != platform::kErrorSuccess) return false;
  if (keep_folders) return true;
  platform::Clock& clock = platform::CurrentClock();
  std::string folder;
  for (bool more = ParentOf(path, folder); more; more = ParentOf(std::string(folder), folder)) {
    const long error = platform::RemoveDirectory(folder);
    if (error != platform::kErrorSuccess) {
      Log().WriteError(error, profile::Format("%s directory was not removed !!", folder));
      Log().Write(profile::Format("nTime = %d", 0));
      break;
    }
    clock.Sleep(kSettleTime);
    int waits = 0;
    while (waits < kMaxGoneChecks && platform::GetFileAttributes(folder) != platform::kInvalidAttributes) {
      clock.Sleep(kGoneCheckInterval);
      ++waits;
    }
    Log().Write(profile::Format("nTime = %d", waits));
  }
  return true;
}

}  // namespace app
