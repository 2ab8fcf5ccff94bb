#include "platform/in_use.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/host_links.h"
#include "platform/machine_lock.h"

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

// Replaces the marks as a whole; the caller holds the lock.
bool WriteMarks(const Machine& machine, const std::vector<fs::path>& marks) {
  const fs::path next = machine.Directory() / kMarksNext;
  {
    std::ofstream out(next, std::ios::trunc);
    for (const auto& mark : marks) out << mark.string() << '\n';
    if (!out.flush()) return false;
  }
  return std::rename(next.c_str(), (machine.Directory() / kMarksFile).c_str()) == 0;
}

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
  MachineLock lock(machine, kMarksLock);
  if (!lock.Held()) return false;
  auto marks = ReadMarks(machine);
  const auto found = std::find(marks.begin(), marks.end(), host);
  if (in_use == (found != marks.end())) return true;
  if (in_use) {
    marks.push_back(host);
  } else {
    marks.erase(found);
  }
  return WriteMarks(machine, marks);
}

bool ClearInUseMarks(const Machine& machine) {
  MachineLock lock(machine, kMarksLock);
  return lock.Held() && WriteMarks(machine, {});
}

}  // namespace platform
