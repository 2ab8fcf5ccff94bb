// The commands that look at the machine as a whole: show, files, reboot.
#include <cstdio>

#include "commands.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/machine.h"

namespace inkmachine {

namespace {

const char* DriveKindName(platform::DriveKind kind) {
  switch (kind) {
    case platform::DriveKind::kCdRom: return "CD-ROM";
    case platform::DriveKind::kRemovable: return "removable";
    case platform::DriveKind::kRemote: return "remote";
    case platform::DriveKind::kFixed: break;
  }
  return "fixed";
}

const char* ProductTypeName(unsigned product_type) {
  switch (product_type) {
    case 1: return "workstation";
    case 2: return "domain controller";
    case 3: return "server";
    default: return "unknown";
  }
}

// Prints the files below `dir` depth first, each with its size; returns the
// number of files.
int ListFiles(const std::string& dir) {
  std::vector<platform::FindData> entries;
  if (platform::FindFiles(dir + "\\*", entries) != platform::kErrorSuccess) return 0;
  int count = 0;
  for (const auto& entry : entries) {
    const std::string path = dir + "\\" + entry.name;
    if (entry.attributes & platform::kAttributeDirectory) {
      std::printf("%12s  %s\\\n", "<DIR>", path.c_str());
      count += ListFiles(path);
    } else {
      std::printf("%12llu  %s\n", static_cast<unsigned long long>(entry.size), path.c_str());
      ++count;
    }
  }
  return count;
}

}  // namespace

int ShowCommand(const Words& words) {
  if (!words.empty()) return Fail("show takes no arguments");
  const auto& machine = platform::CurrentMachine();
  const auto& config = machine.Config();
  std::printf("Machine          %s\n", machine.Directory().c_str());
  std::printf("Windows          %u.%u.%u %s(platform %u, %s, suite 0x%04x)\n", config.major,
              config.minor, config.build,
              config.service_pack.empty() ? "" : (config.service_pack + " ").c_str(),
              config.platform_id, ProductTypeName(config.product_type), config.suite_mask);
  std::printf("Architecture     %s\n", !config.is_64bit ? "32-bit"
                                       : config.wow64_process ? "64-bit, installer runs as 32-bit"
                                                              : "64-bit");
  std::printf("Language         0x%04x, code page %u\n", config.ui_language, config.code_page);
  std::printf("Computer / user  %s / %s%s\n", config.computer_name.c_str(),
              config.user_name.c_str(), config.is_administrator ? " (administrator)" : "");
  for (const auto& drive : config.drives) {
    std::printf("Drive %c:         %s, %s\n", drive.letter, DriveKindName(drive.kind),
                drive.host_dir.c_str());
  }
  return 0;
}

int FilesCommand(const Words& words) {
  if (words.size() != 1) return Fail("files takes one Windows directory, e.g. files \"C:\\Program Files\"");
  std::string dir = words[0];
  while (dir.size() > 3 && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
  if (!platform::DirectoryExists(dir)) return Fail(dir + ": no such directory on the machine");
  std::printf("%d files\n", ListFiles(dir));
  return 0;
}

int RebootCommand(const Words& words) {
  if (!words.empty()) return Fail("reboot takes no arguments");
  const long result = platform::RunPendingOperations();
  if (result != platform::kErrorSuccess) return Fail("pending operations failed: " + ErrorText(result));
  std::printf("Restarted: pending file operations carried out\n");
  return 0;
}

}  // namespace inkmachine
