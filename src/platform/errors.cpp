#include "platform/errors.h"

#include <map>

namespace platform {

namespace {

thread_local long last_error = kErrorSuccess;

}  // namespace

long GetLastError() { return last_error; }

void SetLastError(long code) { last_error = code; }

std::string SystemErrorText(long code) {
  static const std::map<long, const char*> texts = {
      {kErrorSuccess, "The operation completed successfully."},
      {kErrorInvalidFunction, "Incorrect function."},
      {kErrorFileNotFound, "The system cannot find the file specified."},
      {kErrorPathNotFound, "The system cannot find the path specified."},
      {kErrorAccessDenied, "Access is denied."},
      {kErrorInvalidHandle, "The handle is invalid."},
      {kErrorInvalidData, "The data is invalid."},
      {kErrorOutOfMemory, "Not enough storage is available to complete this operation."},
      {kErrorNoMoreFiles, "There are no more files."},
      {kErrorSharingViolation,
       "The process cannot access the file because it is being used by another process."},
      {kErrorHandleEof, "Reached the end of the file."},
      {kErrorNotSupported, "The request is not supported."},
      {kErrorFileExists, "The file exists."},
      {kErrorInvalidParameter, "The parameter is incorrect."},
      {kErrorDiskFull, "There is not enough space on the disk."},
      {kErrorInsufficientBuffer, "The data area passed to a system call is too small."},
      {kErrorModNotFound, "The specified module could not be found."},
      {kErrorInvalidName, "The filename, directory name, or volume label syntax is incorrect."},
      {kErrorDirNotEmpty, "The directory is not empty."},
      {kErrorAlreadyExists, "Cannot create a file when that file already exists."},
      {kErrorBadExeFormat, "%1 is not a valid Win32 application."},
      {kErrorFilenameTooLong, "The filename or extension is too long."},
      {kErrorMoreData, "More data is available."},
      {kErrorWaitTimeout, "The wait operation timed out."},
      {kErrorNoMoreItems, "No more data is available."},
      {kErrorDirectory, "The directory name is invalid."},
      {kErrorRegistryIoFailed,
       "An I/O operation initiated by the registry failed unrecoverably. The registry could not read "
       "in, or write out, or flush, one of the files that contain the system's image of the registry."},
      {kErrorKeyDeleted, "Illegal operation attempted on a registry key that has been marked for deletion."},
      {kErrorInvalidServiceControl, "The requested control is not valid for this service."},
      {kErrorServiceRequestTimeout,
       "The service did not respond to the start or control request in a timely fashion."},
      {kErrorServiceDatabaseLocked, "The service database is locked."},
      {kErrorServiceAlreadyRunning, "An instance of the service is already running."},
      {kErrorServiceDoesNotExist, "The specified service does not exist as an installed service."},
      {kErrorServiceCannotAcceptCtrl, "The service cannot accept control messages at this time."},
      {kErrorServiceNotActive, "The service has not been started."},
      {kErrorServiceExists, "The specified service already exists."},
      {kErrorNoAssociation,
       "No application is associated with the specified file for this operation."},
      {kErrorUnknownPort, "The specified port is unknown."},
      {kErrorInvalidPrinterName, "The printer name is invalid."},
      {kErrorPrinterAlreadyExists, "The printer already exists."},
  };
  auto found = texts.find(code);
  if (found == texts.end()) return "Unknown error " + std::to_string(code) + ".\r\n";
  return std::string(found->second) + "\r\n";
}

}  // namespace platform
