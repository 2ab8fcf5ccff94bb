#include "install/registry_commands.h"

#include <cstdint>
#include <string>
#include <vector>

#include "app/text_helpers.h"
#include "install/registry.h"
#include "install/supported_section.h"
#include "platform/code_page_text.h"
#include "platform/registry.h"
#include "platform/system_info.h"
#include "profile/format.h"
#include "profile/log.h"
#include "profile/my_profile.h"
#include "profile/profile_text.h"

namespace install {

namespace {

// The log lines of the two commands, which differ only in their wording.
struct CommandTexts {
  const char* no_section;
  const char* no_key_name;
  const char* no_lines;
};

constexpr CommandTexts kAddTexts = {"Get Add registry section error!", "Get Add registry Key Name error!",
                                    "Get value fail!"};
constexpr CommandTexts kDeleteTexts = {"Get Delete registry section error!", "Get Delete registry Key Name error!",
                                       "Delete value fail!"};

// One VALUE line: "type, name, data", where the data is everything after
// the second "," (commas included). Each part is trimmed.
struct ValueLine {
  std::string type;
  std::string name;
  std::string data;
};

// A registry-command section that applies, with its key and VALUE lines.
struct RegistrySection {
  platform::RegKey root = platform::HKEY_LOCAL_MACHINE;
  std::string key;
  std::vector<ValueLine> values;
};

enum class Outcome { kRead, kNotApplicable, kFailed };

// Moves the part of `text` before its first "," into `part`, trimmed, and
// leaves the rest after the "," in `text` (nothing without a ",").
void TakePart(std::string_view& text, std::string& part) {
  const std::size_t comma = text.find(',');
  part = profile::TrimBlanks(text.substr(0, comma));
  text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
}

// The VALUE lines among the listed `entries` ("key = value").
std::vector<ValueLine> ValueLines(const std::vector<std::string>& entries) {
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  std::vector<ValueLine> lines;
  for (const std::string& entry : entries) {
    const std::size_t equals = entry.find('=');
    if (!code_page.Equal(profile::TrimBlanks(std::string_view(entry).substr(0, equals)), "VALUE")) continue;
    std::string_view rest =
        equals == std::string::npos ? std::string_view() : std::string_view(entry).substr(equals + 1);
    ValueLine line;
    TakePart(rest, line.type);
    TakePart(rest, line.name);
    line.data = profile::TrimBlanks(rest);
    lines.push_back(std::move(line));
  }
  return lines;
}

// Reads `section` for a command that logs `texts`.
Outcome ReadSection(const CMyProfile& commands, const IProfileEnvironment& environment, std::string_view section,
                    const CommandTexts& texts, RegistrySection& read) {
  if (section.empty()) {
    Log().Write(texts.no_section);
    return Outcome::kFailed;
  }
  const std::string name(section);
  if (!IsSupportedSection(commands, name.c_str(), environment)) return Outcome::kNotApplicable;
  std::string root;
  if (commands.GetString(name.c_str(), "ROOTKEY", root)) {
    const platform::CodePageText code_page(platform::GetActiveCodePage());
    if (code_page.Find(code_page.Upper(root), "HKCU") != std::string::npos) read.root = platform::HKEY_CURRENT_USER;
  }
  if (!commands.GetString(name.c_str(), "KEYNAME", read.key) || read.key.empty()) {
    Log().Write(texts.no_key_name);
    return Outcome::kFailed;
  }
  std::vector<std::string> entries;
  if (!commands.GetAllKey(name.c_str(), entries)) {
    Log().Write(texts.no_lines);
    return Outcome::kFailed;
  }
  read.values = ValueLines(entries);
  return Outcome::kRead;
}

}  // namespace

bool AddRegistrySection(const CMyProfile& commands, const IProfileEnvironment& environment, std::string_view section) {
  RegistrySection read;
  const Outcome outcome = ReadSection(commands, environment, section, kAddTexts, read);
  if (outcome != Outcome::kRead) return outcome == Outcome::kNotApplicable;
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  for (const ValueLine& value : read.values) {
    if (value.name.empty()) continue;
    if (code_page.Equal(value.type, "REG_DWORD")) {
      CRegistry::SetValue(read.key.c_str(), value.name.c_str(), app::TextToNumber(value.data.c_str()), read.root);
    } else {
      CRegistry::SetValue(read.key.c_str(), value.name.c_str(), value.data.c_str(), read.root);
    }
  }
  return true;
}

bool DeleteRegistrySection(const CMyProfile& commands, const IProfileEnvironment& environment,
                           std::string_view section) {
  RegistrySection read;
  const Outcome outcome = ReadSection(commands, environment, section, kDeleteTexts, read);
  if (outcome != Outcome::kRead) return outcome == Outcome::kNotApplicable;
  for (const ValueLine& value : read.values) {
    const std::string& name = value.name.empty() ? value.type : value.name;
    // A line that names no value must not reach the key's unnamed default
    // value, which an empty name stands for.
    if (name.empty()) continue;
    CRegistry::DeleteValue(read.key.c_str(), name.c_str(), read.root);
  }
  std::uint32_t delete_key = 0;
  if (commands.GetDword(std::string(section).c_str(), "DELETE_KEY", &delete_key) && delete_key != 0) {
    CRegistry::DeleteKey(read.key.c_str(), false, read.root);
    Log().Write(profile::Format("Delete Key (%s) ", read.key));
  }
  return true;
}

}  // namespace install
