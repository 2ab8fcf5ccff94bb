#include "install/install_history.h"

#include <cstdint>

#include "install/registry.h"
#include "platform/code_page_text.h"
#include "platform/errors.h"
#include "platform/system_info.h"
#include "profile/format.h"

namespace install {

namespace {

struct HistoryList {
  const char* counter;
  profile::FormatString entry;
};

constexpr HistoryList kLists[] = {
    {"NumOfFiles", "File%d"},         {"NumOfDirs", "Dir%d"},
    {"NumOfKeys", "Key%d"},           {"NumOfValues", "Value%d"},
    {"NumOfShortcuts", "Shortcut%d"}, {"NumOfDestDirs", "DestDir%d"},
};

// Where a 32-bit process's system files really are on a 64-bit system.
std::string RedirectedFile(std::string_view text) {
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  std::string upper = code_page.Upper(text);
  constexpr std::string_view kSystem32 = "\\SYSTEM32\\";
  constexpr std::string_view kSysWow64 = "\\SYSWOW64\\";
  for (std::size_t at = code_page.Find(upper, kSystem32); at != std::string::npos;
       at = code_page.Find(upper, kSystem32, at + kSysWow64.size())) {
    upper.replace(at, kSystem32.size(), kSysWow64);
  }
  return upper;
}

}  // namespace

bool AddHistory(std::string_view text, int kind, const std::string& history_key) {
  if (kind < kHistoryFile || kind > kHistoryDestinationDirectory || history_key.empty()) return false;
  const HistoryList& list = kLists[kind];
  const std::string entry_text =
      kind == kHistoryFile && platform::IsWow64Process() ? RedirectedFile(text) : std::string(text);
  std::uint32_t count = 0;
  if (CRegistry::GetValue(history_key.c_str(), list.counter, &count) != platform::kErrorSuccess) count = 0;
  const std::string name = profile::Format(list.entry, count);
  return CRegistry::SetValue(history_key.c_str(), name.c_str(), entry_text.c_str()) == platform::kErrorSuccess &&
         CRegistry::SetValue(history_key.c_str(), list.counter, count + 1) == platform::kErrorSuccess;
}

}  // namespace install
