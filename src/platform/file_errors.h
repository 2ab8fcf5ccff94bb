// Host failures of file operations as Windows error numbers.
#pragma once

#include <filesystem>

namespace platform {

// The Windows error number for the host error `errno_value`, as the file
// operations report it (EEXIST gives 80; callers that need 183 say so).
long ErrorFromErrno(int errno_value);

// The error for a host path that does not exist: 2 when its directory
// exists, 3 when the directory is missing too, as Windows tells them apart.
long MissingPathError(const std::filesystem::path& host);

// Leaves `code` as the thread's last error and returns it, so an operation
// can end with "return Report(code);".
long Report(long code);

}  // namespace platform
