#include "wizard/command_record.h"

#include <algorithm>

#include "platform/code_page_text.h"
#include "platform/system_info.h"
#include "profile/format.h"
#include "profile/my_profile.h"
#include "profile/profile_text.h"

namespace wizard {

std::string FitCommandField(std::string_view text) {
  if (text.size() < kCommandFieldSize) return std::string(text);
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  return std::string(text.substr(0, code_page.CutLength(text, kCommandFieldSize - 1)));
}

CommandRecord MakeCommandRecord(std::string_view type, std::initializer_list<std::string_view> parameters) {
  CommandRecord record;
  record.type = FitCommandField(type);
  std::size_t index = 0;
  for (const std::string_view parameter : parameters) {
    if (index == kCommandParameterCount) break;
    record.parameters[index++] = FitCommandField(parameter);
  }
  return record;
}

CommandRecord ParseCommandLine(std::string_view line) {
  CommandRecord record;
  const std::size_t equals = line.find('=');
  record.type = FitCommandField(profile::TrimBlanks(line.substr(0, equals)));
  if (equals == std::string_view::npos) return record;
  std::string_view rest = line.substr(equals + 1);
  std::size_t filled = 0;
  while (!rest.empty() && filled < kCommandLineParameterCount) {
    const std::size_t comma = rest.find(',');
    const std::string_view field = rest.substr(0, comma);
    if (!field.empty()) record.parameters[filled++] = FitCommandField(profile::TrimBlanks(field));
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  }
  return record;
}

bool ReadCommandRecord(const CMyProfile& profile, const char* section, std::size_t parameter_count,
                       CommandRecord& record) {
  record = CommandRecord();
  std::string text;
  if (!profile.GetString(section, "CMD_TYPE", text)) return false;
  record.type = FitCommandField(text);
  const std::size_t count = std::min(parameter_count, kCommandParameterCount);
  for (std::size_t number = 1; number <= count; ++number) {
    const std::string key = profile::Format("CMD_PARAM%d", number);
    if (profile.GetString(section, key.c_str(), text)) record.parameters[number - 1] = FitCommandField(text);
  }
  return true;
}

std::string_view TrimBlanksAndQuotes(std::string_view text) {
  constexpr std::string_view kTrimmed = " \t\"";
  const std::size_t first = text.find_first_not_of(kTrimmed);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kTrimmed) - first + 1);
}

}  // namespace wizard
