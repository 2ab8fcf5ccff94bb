// A command: a type name ("CT_OPEN_DLG") and up to five text parameters, as
// the profiles attach them to start sections, page objects and the lines of
// command sections. A record is a plain value: every copy, and so every
// command posted to the wizard, holds texts of its own.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

class CMyProfile;

namespace wizard {

inline constexpr std::size_t kCommandParameterCount = 5;
// A command line fills at most this many parameters.
inline constexpr std::size_t kCommandLineParameterCount = 3;
// Each field holds a text of at most this many bytes with its NUL; a longer
// text is cut at a character boundary.
inline constexpr std::size_t kCommandFieldSize = 16384;

struct CommandRecord {
  std::string type;
  std::array<std::string, kCommandParameterCount> parameters;

  // Parameter `number`, counted from 1 as the profiles count them.
  const std::string& Parameter(std::size_t number) const { return parameters[number - 1]; }
};

// `text` cut to the text a field holds.
std::string FitCommandField(std::string_view text);

// A record of `type` and `parameters` in order (absent ones empty, more
// than five ignored), each cut to fit its field.
CommandRecord MakeCommandRecord(std::string_view type, std::initializer_list<std::string_view> parameters = {});

// Parses one command line, "TYPE = a, b, c". The text before the first "="
// is the type; without "=" the whole text is, and there are no parameters.
// The text after it is split at every ",": fields without any character
// are skipped, the first three others become parameters 1 to 3, and the
// rest is dropped, so a parameter cannot hold a comma. The type and each
// parameter are trimmed of blanks and tabs; parameters 4 and 5 stay empty.
CommandRecord ParseCommandLine(std::string_view line);

// Reads the command of `section`: CMD_TYPE and CMD_PARAM1 up to
// CMD_PARAM<parameter_count> (at most five), with all expansions; missing
// parameters stay empty. False, with `record` emptied, when the section has
// no CMD_TYPE.
bool ReadCommandRecord(const CMyProfile& profile, const char* section, std::size_t parameter_count,
                       CommandRecord& record);

// `text` without blanks, tabs and double quotes at either end.
std::string_view TrimBlanksAndQuotes(std::string_view text);

}  // namespace wizard
