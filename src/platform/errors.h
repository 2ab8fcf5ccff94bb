// Windows error numbers as the installer sees them, the per-thread "last
// error", and the system's message texts for them.
#pragma once

#include <string>

namespace platform {

// Numbers are those of the Windows platform: profiles, logs and plug-in
// modules compare against them, so they must never be renumbered.
enum ErrorCode : long {
  kErrorSuccess = 0,
  kErrorInvalidFunction = 1,
  kErrorFileNotFound = 2,
  kErrorPathNotFound = 3,
  kErrorAccessDenied = 5,
  kErrorInvalidHandle = 6,
  kErrorInvalidData = 13,
  kErrorOutOfMemory = 14,
  kErrorNoMoreFiles = 18,
  kErrorSharingViolation = 32,
  kErrorHandleEof = 38,
  kErrorNotSupported = 50,
  kErrorFileExists = 80,
  kErrorInvalidParameter = 87,
  kErrorDiskFull = 112,
  kErrorInsufficientBuffer = 122,
  kErrorModNotFound = 126,
  kErrorInvalidName = 123,
  kErrorDirNotEmpty = 145,
  kErrorAlreadyExists = 183,
  kErrorBadExeFormat = 193,
  kErrorFilenameTooLong = 206,
  kErrorMoreData = 234,
  kErrorWaitTimeout = 258,
  kErrorNoMoreItems = 259,
  kErrorDirectory = 267,
  kErrorInvalidServiceControl = 1052,
  kErrorServiceRequestTimeout = 1053,
  kErrorServiceDatabaseLocked = 1055,
  kErrorServiceAlreadyRunning = 1056,
  kErrorServiceDoesNotExist = 1060,
  kErrorServiceCannotAcceptCtrl = 1061,
  kErrorServiceNotActive = 1062,
  kErrorServiceExists = 1073,
  kErrorNoAssociation = 1155,
  kErrorRegistryIoFailed = 1016,
  kErrorKeyDeleted = 1018,
  kErrorUnknownPort = 1796,
  kErrorInvalidPrinterName = 1801,
  kErrorPrinterAlreadyExists = 1802,
};

// The calling thread's last error, as the system keeps it per thread.
long GetLastError();
void SetLastError(long code);

// The system's message text for an error number, ending in "\r\n" as the
// system's own texts do. Unknown numbers get a generic text.
std::string SystemErrorText(long code);

}  // namespace platform
