// Deletion and replacement at the next restart. As on Windows, the pending
// operations are kept in the registry value "PendingFileRenameOperations" of
// HKLM\SYSTEM\CurrentControlSet\Control\Session Manager: a REG_MULTI_SZ list
// of pairs, the source "\??\<full path>" and then either the target
// "!\??\<full path>" ("!" marks a replacement of an existing file) or an
// empty string for a deletion.
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/file_errors.h"
#include "platform/files.h"
#include "platform/in_use.h"
#include "platform/machine_lock.h"
#include "platform/registry.h"

namespace platform {

namespace {

constexpr const char* kSessionManagerKey = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr const char* kPendingOperationsValue = "PendingFileRenameOperations";
constexpr std::string_view kObjectPrefix = "\\??\\";
constexpr char kReplaceMark = '!';
// Taken around every read and rewrite of the list, so that two processes
// adding at once both keep their operation.
constexpr const char* kJournalLock = "pending-operations.lock";

// The open Session Manager key, closed when the object ends.
class JournalKey {
 public:
  JournalKey()
      : error_(RegCreateKeyEx(HKEY_LOCAL_MACHINE, kSessionManagerKey, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_)) {}
  ~JournalKey() {
    if (error_ == kErrorSuccess) RegCloseKey(key_);
  }
  JournalKey(const JournalKey&) = delete;
  JournalKey& operator=(const JournalKey&) = delete;

  long Error() const { return error_; }
  RegKey Key() const { return key_; }

 private:
  RegKey key_ = 0;
  long error_;
};

// The strings of the list, in order. Each string ends in a NUL and the list
// in one more, which is not an entry; a value of another type holds none.
long ReadEntries(RegKey key, std::vector<std::string>& entries) {
  entries.clear();
  std::uint32_t type = REG_NONE, size = 0;
  long error = RegQueryValueEx(key, kPendingOperationsValue, &type, nullptr, &size);
  if (error == kErrorFileNotFound) return kErrorSuccess;
  if (error != kErrorSuccess) return error;
  if (type != REG_MULTI_SZ) return kErrorSuccess;
  std::string data(size, '\0');
  error = RegQueryValueEx(key, kPendingOperationsValue, &type, data.data(), &size);
  if (error != kErrorSuccess) return error;
  data.resize(size);
  for (std::size_t start = 0; start < data.size();) {
    std::size_t end = data.find('\0', start);
    if (end == std::string::npos) end = data.size();
    entries.push_back(data.substr(start, end - start));
    start = end + 1;
  }
  if (entries.size() % 2 == 1 && entries.back().empty()) entries.pop_back();
  return kErrorSuccess;
}

long WriteEntries(RegKey key, const std::vector<std::string>& entries) {
  std::string data;
  for (const auto& entry : entries) data.append(entry).push_back('\0');
  data.push_back('\0');
  return RegSetValueEx(key, kPendingOperationsValue, REG_MULTI_SZ, data.data(),
                       static_cast<std::uint32_t>(data.size()));
}

std::string_view WithoutObjectPrefix(std::string_view path) {
  if (path.substr(0, kObjectPrefix.size()) == kObjectPrefix) path.remove_prefix(kObjectPrefix.size());
  return path;
}

// Carries out one pair of the list. A deletion of something already gone
// has nothing left to do.
long CarryOut(std::string_view source, std::string_view target) {
  const std::string_view from = WithoutObjectPrefix(source);
  if (target.empty()) {
    const long error = DirectoryExists(from) ? RemoveDirectory(from) : DeleteFile(from);
    return error == kErrorFileNotFound ? kErrorSuccess : error;
  }
  std::uint32_t flags = 0;
  if (target.front() == kReplaceMark) {
    flags = kMoveReplaceExisting;
    target.remove_prefix(1);
  }
  return MoveFileEx(from, WithoutObjectPrefix(target), flags);
}

}  // namespace

long MoveFileAtRestart(std::string_view from, std::string_view to) {
  std::string full_from, full_to;
  if (const long error = GetFullPathName(from, full_from)) return error;
  if (!to.empty()) {
    if (const long error = GetFullPathName(to, full_to)) return error;
    full_to = kReplaceMark + std::string(kObjectPrefix) + full_to;
  }
  MachineLock lock(CurrentMachine(), kJournalLock);
  if (!lock.Held()) return Report(kErrorAccessDenied);
  JournalKey journal;
  if (journal.Error()) return Report(journal.Error());
  std::vector<std::string> entries;
  if (const long error = ReadEntries(journal.Key(), entries)) return Report(error);
  entries.push_back(std::string(kObjectPrefix) + full_from);
  entries.push_back(full_to);
  return Report(WriteEntries(journal.Key(), entries));
}

long RunPendingOperations() {
  const Machine& machine = CurrentMachine();
  MachineLock lock(machine, kJournalLock);
  if (!lock.Held()) return Report(kErrorAccessDenied);
  JournalKey journal;
  if (journal.Error()) return Report(journal.Error());
  std::vector<std::string> entries;
  if (const long error = ReadEntries(journal.Key(), entries)) return Report(error);
  // A restart ends every program, so no file is held open any more.
  ClearInUseMarks(machine);
  long first_failure = kErrorSuccess;
  for (std::size_t i = 0; i + 1 < entries.size(); i += 2) {
    const long error = CarryOut(entries[i], entries[i + 1]);
    if (first_failure == kErrorSuccess) first_failure = error;
  }
  // Failed operations are dropped as well, as Windows does at start-up.
  const long cleared = RegDeleteValue(journal.Key(), kPendingOperationsValue);
  if (cleared != kErrorSuccess && cleared != kErrorFileNotFound) return Report(cleared);
  return Report(first_failure);
}

}  // namespace platform
