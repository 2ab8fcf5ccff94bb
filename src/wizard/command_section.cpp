#include "wizard/command_section.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/code_page_text.h"
#include "platform/system_info.h"
#include "profile/format.h"
#include "profile/log.h"
#include "profile/my_profile.h"

namespace wizard {

namespace {

// The sections running on this thread, outermost first. Commands run on the
// wizard's thread and on the worker threads that run commands themselves;
// each thread has its own chain.
thread_local std::vector<std::string> running_sections;

// Keeps `section` on this thread's chain while it runs.
class ChainEntry {
 public:
  explicit ChainEntry(std::string section) { running_sections.push_back(std::move(section)); }
  ~ChainEntry() { running_sections.pop_back(); }
  ChainEntry(const ChainEntry&) = delete;
  ChainEntry& operator=(const ChainEntry&) = delete;
};

// Whether `section` may start on this thread now; logs why not.
bool MayStart(const std::string& section) {
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  const bool running = std::any_of(running_sections.begin(), running_sections.end(),
                                   [&](const std::string& name) { return code_page.Equal(name, section); });
  if (running) {
    Log().Write(profile::Format("Command section [%s] runs itself; it is not run again", section));
    return false;
  }
  if (running_sections.size() >= static_cast<std::size_t>(kMaxSectionDepth)) {
    Log().Write(profile::Format("Command section [%s] is nested deeper than %d sections; it is not run", section,
                                kMaxSectionDepth));
    return false;
  }
  return true;
}

}  // namespace

bool RunCommandSection(const CMyProfile& configure, const CMyProfile& commands, std::string_view section,
                       const std::function<bool(const CommandRecord&)>& execute) {
  const std::string name(section);
  std::vector<std::string> lines;
  const CMyProfile& source = configure.HasSection(name.c_str()) ? configure : commands;
  if (!source.GetAllKey(name.c_str(), lines)) return false;
  if (!MayStart(name)) return false;
  const ChainEntry entry(name);
  for (const std::string& line : lines) execute(ParseCommandLine(line));
  return true;
}

}  // namespace wizard
