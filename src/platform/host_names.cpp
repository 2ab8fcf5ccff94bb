#include "platform/host_names.h"

#include <algorithm>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

unsigned char FoldCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

bool NameLess(std::string_view a, std::string_view b) {
  const bool folded_less = std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return FoldCase(x) < FoldCase(y); });
  if (folded_less) return true;
  if (!SameNameIgnoringCase(a, b)) return false;
  return a < b;
}

std::vector<std::string> SortedEntries(const fs::path& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

std::string FindEntryIgnoringCase(const fs::path& dir, const std::string& name) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(dir / name, ec))) return name;
  std::string best;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (SameNameIgnoringCase(entry, name) && (best.empty() || NameLess(entry, best))) best = std::move(entry);
  }
  return best;
}

}  // namespace platform
