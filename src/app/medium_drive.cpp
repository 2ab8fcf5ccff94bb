#include "app/medium_drive.h"

namespace app {

namespace fs = std::filesystem;

namespace {

constexpr char kFirstMediumLetter = 'D';
constexpr char kLastLetter = 'Z';

}  // namespace

bool MapMedium(platform::Machine& machine, const fs::path& medium, std::string& windows_path,
               std::string& error) {
  std::error_code ec;
  const fs::path directory = fs::absolute(medium, ec).lexically_normal();
  if (ec || !fs::is_directory(directory, ec)) {
    error = "the medium " + medium.string() + " is not a directory";
    return false;
  }
  if (machine.ToWindowsPath(directory, windows_path)) return true;
  for (char letter = kFirstMediumLetter; letter <= kLastLetter; ++letter) {
    if (machine.FindDrive(letter) != nullptr) continue;
    machine.MutableConfig().drives.push_back({letter, directory, platform::DriveKind::kCdRom});
    if (!machine.SaveConfig()) {
      error = "cannot save the drive table of the machine " + machine.Directory().string();
      return false;
    }
    if (machine.ToWindowsPath(directory, windows_path)) return true;
    error = "the machine does not show the medium under " + std::string(1, letter) + ":";
    return false;
  }
  error = "the machine has no free drive letter for the medium";
  return false;
}

}  // namespace app
