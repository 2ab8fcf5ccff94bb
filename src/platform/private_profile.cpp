#include "platform/private_profile.h"

#include <string>
#include <vector>

#include "platform/code_page_text.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/machine.h"

namespace platform {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool EqualNoCase(std::string_view a, std::string_view b) {
  return CodePageText(CurrentMachine().Config().code_page).Equal(a, b);
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// One line of the file: its text without the line end, and the line end as
// it was ("\r\n", "\n" or none for a last line without one).
struct FileLine {
  std::string text;
  std::string end;
};

std::vector<FileLine> SplitLines(const std::string& contents) {
  std::vector<FileLine> lines;
  for (std::size_t start = 0; start < contents.size();) {
    const std::size_t newline = contents.find('\n', start);
    const std::size_t stop = newline == std::string::npos ? contents.size() : newline;
    const bool crlf = stop > start && contents[stop - 1] == '\r';
    FileLine line;
    line.text = contents.substr(start, stop - start - (crlf ? 1 : 0));
    line.end = newline == std::string::npos ? "" : (crlf ? "\r\n" : "\n");
    lines.push_back(std::move(line));
    start = stop + 1;
  }
  return lines;
}

// The name of a "[name]" line, trimmed inside the brackets; nothing else
// for other lines.
bool HeaderName(std::string_view line, std::string_view& name) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return false;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(line.substr(1, close - 1));
  return true;
}

// The lines of `section` in `lines`: [first, end) after its header, or
// first == lines.size() when the section is missing.
struct SectionRange {
  std::size_t header = 0;
  std::size_t first = 0;
  std::size_t end = 0;
};

SectionRange FindSection(const std::vector<FileLine>& lines, std::string_view section) {
  SectionRange range{lines.size(), lines.size(), lines.size()};
  std::string_view name;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!HeaderName(lines[i].text, name)) continue;
    if (range.header != lines.size()) {
      range.end = i;
      break;
    }
    if (EqualNoCase(name, section)) range = {i, i + 1, lines.size()};
  }
  return range;
}

std::string Join(const std::vector<FileLine>& lines) {
  std::string contents;
  for (const auto& line : lines) contents.append(line.text).append(line.end);
  return contents;
}

// Reads the file's lines; a missing file has none. The last line gets a
// line end, so that lines can follow it.
long ReadLines(std::string_view file, std::vector<FileLine>& lines) {
  std::string contents;
  if (FileExists(file)) {
    if (const long error = ReadWholeFile(file, contents)) return error;
  }
  lines = SplitLines(contents);
  if (!lines.empty() && lines.back().end.empty()) lines.back().end = kLineEnd;
  return kErrorSuccess;
}

std::vector<FileLine> EntryLines(std::string_view entries) {
  std::vector<FileLine> lines;
  while (!entries.empty()) {
    const std::size_t nul = entries.find('\0');
    const std::string_view entry = entries.substr(0, nul);
    if (entry.empty()) break;
    lines.push_back({std::string(entry), std::string(kLineEnd)});
    entries = nul == std::string_view::npos ? std::string_view() : entries.substr(nul + 1);
  }
  return lines;
}

}  // namespace

long WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, std::string_view file) {
  if (section.empty() || key.empty() || file.empty()) return kErrorInvalidParameter;
  std::vector<FileLine> lines;
  if (const long error = ReadLines(file, lines)) return error;
  const std::string text = std::string(key) + "=" + std::string(value);
  const SectionRange range = FindSection(lines, section);
  if (range.header == lines.size()) {
    lines.push_back({"[" + std::string(section) + "]", std::string(kLineEnd)});
    lines.push_back({text, std::string(kLineEnd)});
    return WriteWholeFile(file, Join(lines));
  }
  std::size_t insert_at = range.first;
  for (std::size_t i = range.first; i < range.end; ++i) {
    const std::string_view line = lines[i].text;
    if (Trim(line).empty()) continue;
    insert_at = i + 1;
    const auto equals = line.find('=');
    if (equals != std::string_view::npos && EqualNoCase(Trim(line.substr(0, equals)), key)) {
      lines[i].text = text;
      return WriteWholeFile(file, Join(lines));
    }
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert_at), {text, std::string(kLineEnd)});
  return WriteWholeFile(file, Join(lines));
}

long WritePrivateProfileSection(std::string_view section, std::string_view entries,
                                std::string_view file) {
  if (section.empty() || file.empty()) return kErrorInvalidParameter;
  std::vector<FileLine> lines;
  if (const long error = ReadLines(file, lines)) return error;
  std::vector<FileLine> replacement = EntryLines(entries);
  SectionRange range = FindSection(lines, section);
  if (range.header == lines.size()) {
    lines.push_back({"[" + std::string(section) + "]", std::string(kLineEnd)});
    range.first = range.end = lines.size();
  }
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(range.first),
              lines.begin() + static_cast<std::ptrdiff_t>(range.end));
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(range.first), replacement.begin(),
               replacement.end());
  return WriteWholeFile(file, Join(lines));
}

}  // namespace platform
