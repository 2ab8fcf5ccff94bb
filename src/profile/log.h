// The installer's log: one file per run in the machine's Temp directory,
// named after the installer's own program file ("setup.exe.log", or
// "setup.exe0.log", "setup.exe1.log"... when that name is taken), opened with
// a fixed header and then written one time-stamped line at a time
// ("[10.20.30]  text"). Lines come from several threads; they are written
// whole, one after the other, and none is dropped.
//
// The text of a line is written as it is: use profile::Format to build lines
// from the program's own formats.
#pragma once

#include <mutex>
#include <string>
#include <string_view>

#include "platform/files.h"

class CLog {
 public:
  // A log without a file: every write does nothing.
  CLog() = default;
  // Creates the run's log file for `program_file_name` (the installer's
  // file name with its extension) and writes the header. Without a name, or
  // when no file can be created, the log has no file.
  explicit CLog(std::string program_file_name);
  virtual ~CLog() = default;
  CLog(const CLog&) = delete;
  CLog& operator=(const CLog&) = delete;

  // Writes `line`, cut to kMaxLineText bytes, as one time-stamped line.
  void Write(std::string_view line);
  // Writes `line`; for a non-zero `code` a second line follows with
  // "Error Code = <code> :" and the system's text for it.
  void WriteError(long code, std::string_view line);

  bool HasFile() const { return file_.IsOpen(); }
  // The Windows path of the file, empty without one.
  const std::string& Path() const { return path_; }

  static constexpr std::size_t kMaxLineText = 4095;

 private:
  // Creates the first free file name; false only without a program name.
  bool Open(const std::string& program_file_name);
  void WriteHeader();
  // Writes one stamped line; the caller holds mutex_.
  void WriteLine(std::string_view text);

  platform::File file_;
  std::string path_;
  std::mutex mutex_;
};

// The application's log, or a log without a file while none is set.
CLog& Log();
// Makes `log` the application's log; null goes back to the log without a
// file. The caller keeps ownership and clears it before destroying the log.
void SetLog(CLog* log);
