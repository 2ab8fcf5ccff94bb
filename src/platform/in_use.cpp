#include "platform/in_use.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/host_links.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMarksFile = "in-use.txt";
constexpr const char* kMarksLock = "in-use.lock";
constexpr const char* kMarksNext = "in-use.txt.next";

std::vector<fs::path> ReadMarks(const Machine& machine) {
  std::vector<fs::path> marks;
  std::ifstream in(machine.Directory() / kMarksFile);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) marks.emplace_back(line);
  }
  return marks;
}

// Holds the exclusive lock of the marks while it lives.
class MarksLock {
 public:
  explicit MarksLock(const Machine& machine)
      : fd_(::open((machine.Directory() / kMarksLock).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~MarksLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  MarksLock(const MarksLock&) = delete;
  MarksLock& operator=(const MarksLock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_;
};

}  // namespace

bool IsMarkedInUse(const Machine& machine, const fs::path& host) {
  const auto marks = ReadMarks(machine);
  return std::find(marks.begin(), marks.end(), host) != marks.end();
}

bool HasMarkInUseWithin(const Machine& machine, const fs::path& dir) {
  const auto marks = ReadMarks(machine);
  return std::any_of(marks.begin(), marks.end(), [&dir](const fs::path& mark) { return IsWithin(mark, dir); });
}

bool SetInUseMark(const Machine& machine, const fs::path& host, bool in_use) {
  if (host.native().find('\n') != std::string::npos) return false;  // would split into two marks
  MarksLock lock(machine);
  if (!lock.Held()) return false;
  auto marks = ReadMarks(machine);
  const auto found = std::find(marks.begin(), marks.end(), host);
  if (in_use == (found != marks.end())) return true;
  if (in_use) {
    marks.push_back(host);
  } else {
    marks.erase(found);
  }
  const fs::path next = machine.Directory() / kMarksNext;
  {
    std::ofstream out(next, std::ios::trunc);
    for (const auto& mark : marks) out << mark.string() << '\n';
    if (!out.flush()) return false;
  }
  return std::rename(next.c_str(), (machine.Directory() / kMarksFile).c_str()) == 0;
}

}  // namespace platform
