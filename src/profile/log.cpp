#include "profile/log.h"

#include <atomic>
#include <ctime>
#include <set>
#include <vector>

#include "platform/clock.h"
#include "platform/errors.h"
#include "profile/format.h"

namespace {

// The program name of the header: the log is opened before the run
// environment reads the product's name, so it is always the default one.
constexpr const char* kDefaultProgramName = "Orvane Printer Installer Program";
constexpr int kMaxFileNumber = 100000;
constexpr std::string_view kLineEnd = "\r\n";

constexpr const char* kWeekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

std::atomic<CLog*> application_log{nullptr};

std::tm LocalNow() {
  const auto now = platform::CurrentClock().Now();
  const std::time_t seconds = static_cast<std::time_t>(now.count() / 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

// The names of the logs of earlier runs in `directory`, as they are written
// on disk.
std::set<std::string> EarlierLogNames(const std::string& directory, const std::string& program_file_name) {
  std::vector<platform::FindData> found;
  platform::FindFiles(profile::Format("%s%s*.log", directory, program_file_name), found);
  std::set<std::string> names;
  for (platform::FindData& entry : found) names.insert(std::move(entry.name));
  return names;
}

}  // namespace

CLog::CLog(std::string program_file_name) {
  if (Open(program_file_name) && file_.IsOpen()) WriteHeader();
}

bool CLog::Open(const std::string& program_file_name) {
  if (program_file_name.empty()) return false;
  const std::string directory = platform::GetTempPath();
  // The folder is read once so that the names of earlier runs are passed
  // over without a try each: a machine with hundreds of runs behind it opens
  // its log as fast as a new one. A name missed here (taken meanwhile, or
  // written in other case) still fails to be created, and the count goes on.
  const std::set<std::string> earlier = EarlierLogNames(directory, program_file_name);
  for (int number = -1; number < kMaxFileNumber; ++number) {
    const std::string name = number < 0 ? profile::Format("%s.log", program_file_name)
                                        : profile::Format("%s%d.log", program_file_name, number);
    if (earlier.contains(name)) continue;
    const std::string path = directory + name;
    const long error = file_.Open(path, platform::Disposition::kCreateNew,
                                  platform::kAccessRead | platform::kAccessWrite);
    if (error == platform::kErrorSuccess) {
      path_ = path;
      return true;
    }
    if (error != platform::kErrorFileExists && error != platform::kErrorAlreadyExists) break;
  }
  return true;
}

void CLog::WriteHeader() {
  const std::string rule(60, '/');
  const std::string blank = "//" + std::string(56, ' ') + "//";
  const std::tm today = LocalNow();
  const std::string date = profile::Format("%s, %s %02d, %d", kWeekdays[today.tm_wday],
                                           kMonths[today.tm_mon], today.tm_mday, today.tm_year + 1900);
  std::string header;
  for (const std::string& line : {rule, blank, profile::Format("// %-55s//", kDefaultProgramName), blank,
                                  rule, std::string(), "Data : " + date, std::string(), std::string()}) {
    header.append(line).append(kLineEnd);
  }
  std::lock_guard lock(mutex_);
  file_.Write(header.data(), static_cast<std::uint32_t>(header.size()));
}

void CLog::WriteLine(std::string_view text) {
  if (!file_.IsOpen()) return;
  const std::tm now = LocalNow();
  std::string line = profile::Format("[%02d.%02d.%02d]  ", now.tm_hour, now.tm_min, now.tm_sec);
  line.append(text.substr(0, kMaxLineText)).append(kLineEnd);
  file_.Write(line.data(), static_cast<std::uint32_t>(line.size()));
}

void CLog::Write(std::string_view line) {
  std::lock_guard lock(mutex_);
  WriteLine(line);
}

void CLog::WriteError(long code, std::string_view line) {
  std::lock_guard lock(mutex_);
  WriteLine(line);
  if (code != platform::kErrorSuccess) {
    WriteLine(profile::Format("Error Code = %d :%s", code, platform::SystemErrorText(code)));
  }
}

CLog& Log() {
  static CLog without_file;
  CLog* log = application_log.load();
  return log ? *log : without_file;
}

void SetLog(CLog* log) { application_log.store(log); }
