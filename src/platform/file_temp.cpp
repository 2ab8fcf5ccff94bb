// Temporary files: the user's Temp directory and new uniquely named files.
#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <random>

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/file_errors.h"
#include "platform/file_host.h"
#include "platform/files.h"
#include "platform/windows_path.h"

namespace platform {

namespace {

constexpr std::size_t kTempPrefixCharacters = 3;
constexpr std::uint32_t kTempNumbers = 0xFFFF;  // "0001" to "FFFF"; 0 is never used

// The number the next temporary name starts from. It begins at a random
// point, so that processes of one machine rarely try the same names.
std::atomic<std::uint32_t> next_temp_number{std::random_device{}()};

// The first `count` characters of `text`, a double-byte character counting
// as one.
std::string_view FirstCharacters(std::string_view text, std::size_t count, std::uint32_t code_page) {
  std::size_t end = 0;
  for (std::size_t taken = 0; taken < count && end < text.size(); ++taken) {
    end += CharacterLength(code_page, text, end);
  }
  return text.substr(0, end);
}

}  // namespace

long GetTempFileName(std::string_view directory, std::string_view prefix, std::string& path) {
  const Machine& machine = CurrentMachine();
  const std::uint32_t code_page = machine.Config().code_page;
  HostFile dir;
  if (const long error = LocateFile(machine, directory, dir)) return Report(error);
  if (!dir.exists || !S_ISDIR(dir.status.st_mode)) return Report(kErrorDirectory);
  std::string head(directory);
  if (!EndsWithSeparator(head, code_page)) head += '\\';
  head += FirstCharacters(prefix, kTempPrefixCharacters, code_page);
  for (std::uint32_t tried = 0; tried < kTempNumbers; ++tried) {
    char number[8];
    std::snprintf(number, sizeof number, "%04X", next_temp_number++ % kTempNumbers + 1);
    const std::string candidate = head + number + ".tmp";
    File file;
    const long error = file.Open(candidate, Disposition::kCreateNew, kAccessWrite);
    if (error == kErrorSuccess) {
      path = candidate;
      return Report(kErrorSuccess);
    }
    if (error != kErrorFileExists) return Report(error);
  }
  return Report(kErrorFileExists);
}

std::string GetTempPath() {
  Report(kErrorSuccess);
  return CurrentMachine().TempDirectory() + "\\";
}

}  // namespace platform
