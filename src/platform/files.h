// Files and directories of the current machine, addressed by Windows paths
// (bytes in the machine's code page). Every operation returns a Windows error
// number (0 success) and also leaves it as the thread's last error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum FileAttribute : std::uint32_t {
  kAttributeReadOnly = 0x1,
  kAttributeHidden = 0x2,
  kAttributeDirectory = 0x10,
  kAttributeArchive = 0x20,
  kAttributeNormal = 0x80,
};
inline constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFF;

enum class Disposition { kCreateNew, kCreateAlways, kOpenExisting, kOpenAlways };
enum FileAccess : std::uint32_t { kAccessRead = 1, kAccessWrite = 2 };

// An open file. Closed by its destructor.
class File {
 public:
  File() = default;
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // kCreateNew on an existing file fails with 80; writing to a read-only
  // file gives 5; a file marked in use gives 32 to any write access.
  long Open(std::string_view path, Disposition disposition, std::uint32_t access);
  long Read(void* buffer, std::uint32_t size, std::uint32_t* read);
  long Write(const void* data, std::uint32_t size);
  long Size(std::uint64_t* size) const;
  long SetEnd();  // cuts the file at the current position
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// Whole-file helpers built on File.
long ReadWholeFile(std::string_view path, std::string& contents);
long WriteWholeFile(std::string_view path, std::string_view contents);

bool FileExists(std::string_view path);        // a file or a directory
bool DirectoryExists(std::string_view path);
std::uint32_t GetFileAttributes(std::string_view path);  // kInvalidAttributes when missing
long SetFileAttributes(std::string_view path, std::uint32_t attributes);

long CopyFile(std::string_view from, std::string_view to, bool fail_if_exists);
long MoveFile(std::string_view from, std::string_view to);  // 183 when `to` exists
enum MoveFlag : std::uint32_t { kMoveReplaceExisting = 0x1 };
// MoveFile that, with kMoveReplaceExisting, replaces an existing file `to`
// (5 when it is read-only or a directory, 32 when it is in use).
long MoveFileEx(std::string_view from, std::string_view to, std::uint32_t flags);
long DeleteFile(std::string_view path);
long CreateDirectory(std::string_view path);  // 183 when it exists
long RemoveDirectory(std::string_view path);  // 145 when not empty

struct FindData {
  std::string name;  // the name only
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
};
// The entries of a directory that match a pattern ("C:\dir\*.inf", "*" and
// "?" wildcards, case-insensitive), sorted case-insensitively by name, "."
// and ".." left out. 2 or 3 when nothing matches or the directory is missing.
long FindFiles(std::string_view pattern, std::vector<FindData>& found);

// A new, empty, uniquely named file "<dir>\<prefix>XXXX.tmp" (the first three
// characters of the prefix), created so that the name stays reserved.
long GetTempFileName(std::string_view directory, std::string_view prefix, std::string& path);
// The 8.3 form of an existing path ("C:\PROGRA~1\..."), or 2/3 when missing.
long GetShortPathName(std::string_view path, std::string& short_path);
// The user's Temp directory with a trailing "\".
std::string GetTempPath();
// The absolute form of `path` taken against the current directory, with "."
// and ".." applied ("C:\a\b", "\\server\share\a"); 3 when it has no root.
// The file need not exist.
long GetFullPathName(std::string_view path, std::string& full_path);

// Deletion or replacement at the next restart: the operation is kept in the
// machine's pending-operations journal in the registry and carried out by
// RunPendingOperations (the machine tool's "reboot"). An empty `to` deletes
// `from`; otherwise `from` is moved to `to`, replacing a file there. Both are
// recorded as full paths, so the current directory of the caller counts.
// RunPendingOperations carries out the journal in order, ends every in-use
// mark (nothing is open after a restart), empties the journal, and returns
// the first failure; an operation that fails is dropped, as at a restart.
long MoveFileAtRestart(std::string_view from, std::string_view to);
long RunPendingOperations();

// For tests: a file marked in use behaves as one held open by another
// program (overwriting, moving or deleting it fails with 32).
void MarkInUse(std::string_view path, bool in_use);

}  // namespace platform
