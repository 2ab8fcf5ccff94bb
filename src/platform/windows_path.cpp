#include "platform/windows_path.h"

#include "platform/codepage.h"
#include "platform/host_names.h"

namespace platform {

namespace {

enum class RootKind {
  kAbsolute,       // "C:\a", "\\server\share\a"
  kDriveRelative,  // "C:a"
  kRootRelative,   // "\a"
  kRelative,       // "a"
  kInvalid,
};

// The next name of `rest` (up to a separator), which is consumed with it.
std::string_view TakeName(std::string_view& rest) {
  std::size_t end = 0;
  while (end < rest.size() && !IsPathSeparator(rest[end])) ++end;
  const std::string_view name = rest.substr(0, end);
  rest.remove_prefix(end < rest.size() ? end + 1 : end);
  return name;
}

// Takes the root off the front of `rest` into `root` and tells what kind of
// path it begins.
RootKind TakeRoot(std::string_view& rest, WindowsPath& root) {
  if (rest.size() >= 2 && IsPathSeparator(rest[0]) && IsPathSeparator(rest[1])) {
    rest.remove_prefix(2);
    root.server = TakeName(rest);
    root.share = TakeName(rest);
    const auto is_name = [](const std::string& name) { return !name.empty() && name != "." && name != ".."; };
    return is_name(root.server) && is_name(root.share) ? RootKind::kAbsolute : RootKind::kInvalid;
  }
  if (HasDriveLetter(rest)) {
    root.drive = static_cast<char>(FoldCase(rest[0]));
    rest.remove_prefix(2);
    if (rest.empty() || !IsPathSeparator(rest[0])) return RootKind::kDriveRelative;
    rest.remove_prefix(1);
    return RootKind::kAbsolute;
  }
  if (!rest.empty() && IsPathSeparator(rest[0])) {
    rest.remove_prefix(1);
    return RootKind::kRootRelative;
  }
  return rest.empty() ? RootKind::kInvalid : RootKind::kRelative;
}

// Applies the names of `rest` to `path` one by one.
void AppendComponents(std::string_view rest, WindowsPath& path) {
  while (!rest.empty()) {
    std::string name(TakeName(rest));
    if (name == "..") {
      if (!path.components.empty()) path.components.pop_back();
      continue;
    }
    const auto last = name.find_last_not_of(". ");
    name.erase(last == std::string::npos ? 0 : last + 1);
    if (!name.empty()) path.components.push_back(std::move(name));
  }
}

}  // namespace

bool ParseWindowsPath(std::string_view text, std::string_view current_directory, std::uint32_t code_page,
                      WindowsPath& parsed) {
  parsed = WindowsPath{};
  const std::string path = CodePageToUtf8(text, code_page);
  std::string_view rest = path;
  const RootKind kind = TakeRoot(rest, parsed);
  if (kind == RootKind::kInvalid) return false;
  if (kind != RootKind::kAbsolute) {
    const std::string current_text = CodePageToUtf8(current_directory, code_page);
    std::string_view current_rest = current_text;
    WindowsPath current;
    if (TakeRoot(current_rest, current) != RootKind::kAbsolute) return false;
    AppendComponents(current_rest, current);
    if (kind == RootKind::kRelative || (kind == RootKind::kDriveRelative && current.drive == parsed.drive)) {
      parsed = std::move(current);
    } else if (kind == RootKind::kRootRelative) {
      current.components.clear();
      parsed = std::move(current);
    }
  }
  AppendComponents(rest, parsed);
  return true;
}

std::string FormatWindowsPath(const WindowsPath& path, std::uint32_t code_page) {
  std::string text = path.drive != 0 ? std::string(1, path.drive) + ":" : "\\\\" + path.server + "\\" + path.share;
  for (const auto& name : path.components) text += "\\" + name;
  if (path.drive != 0 && path.components.empty()) text += "\\";
  return Utf8ToCodePage(text, code_page);
}

bool EndsWithSeparator(std::string_view text, std::uint32_t code_page) {
  std::size_t last = 0;
  for (std::size_t at = 0; at < text.size(); at += CharacterLength(code_page, text, at)) last = at;
  return !text.empty() && last == text.size() - 1 && IsPathSeparator(text[last]);
}

}  // namespace platform
