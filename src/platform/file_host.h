// What the file operations share about files on the host: the Windows
// attributes of a host file, and the checks Windows makes before a file is
// changed. Only the read-only attribute is kept on the host (as the missing
// write permission of the owner); the directory attribute follows from the
// file type, and every other file reports the archive attribute, as a file
// written on Windows does.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/machine.h"

namespace platform {

// A Windows path located on the host.
struct HostFile {
  std::filesystem::path path;
  struct stat status = {};
  bool exists = false;
};

// Finds where `path` of `machine` lies on the host and whether something is
// there. The error of Machine::ToHostPath, else 0 whether it exists or not.
long LocateFile(const Machine& machine, std::string_view path, HostFile& file);

bool IsReadOnlyMode(mode_t mode);
std::uint32_t AttributesFromMode(mode_t mode);

// 5 for a read-only file, 32 for a file marked in use, else 0: whether the
// existing file may be overwritten or deleted.
long CheckChangeable(const Machine& machine, const HostFile& file);

// True when `host` is the root of a drive or of a UNC share, which no file
// operation may remove or move.
bool IsMachineRoot(const Machine& machine, const std::filesystem::path& host);

}  // namespace platform
