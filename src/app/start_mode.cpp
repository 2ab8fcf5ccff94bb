#include "app/start_mode.h"

#include <vector>

#include "app/global_variable.h"
#include "app/text_helpers.h"
#include "profile/format.h"
#include "profile/log.h"
#include "profile/profile_text.h"
#include "wizard/command_record.h"

namespace app {

namespace {

// Whether the byte at `at` of `text` begins an option: "/" anywhere, "-"
// only where an argument begins, at the start or after a blank or a tab,
// with at most an opening double quote between.
bool BeginsOption(std::string_view text, std::size_t at) {
  if (text[at] == '/') return true;
  if (text[at] != '-') return false;
  std::size_t start = at;
  if (start > 0 && text[start - 1] == '"') --start;
  return start == 0 || profile::IsBlank(text[start - 1]);
}

// The pieces of `text` between the bytes that begin options, without empty
// ones; text before the first of them is a piece too. None of "/", "-",
// blank, tab or double quote is ever the second byte of a double-byte
// character, so the bytes can be looked at one by one.
std::vector<std::string_view> SplitOptions(std::string_view text) {
  std::vector<std::string_view> options;
  std::size_t start = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (!BeginsOption(text, at)) continue;
    if (at > start) options.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  if (text.size() > start) options.push_back(text.substr(start));
  return options;
}

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string BuildCommandLineText(const std::vector<std::string>& arguments) {
  std::string text;
  for (const std::string& argument : arguments) {
    if (!text.empty()) text += ' ';
    const bool quoted = argument.find_first_of(" \t") != std::string::npos;
    if (quoted) text += '"';
    text += argument;
    if (quoted) text += '"';
  }
  return text;
}

int ReadCommandLine(std::string_view text, CGlobalVariable& environment, bool& silent) {
  Log().Write(profile::Format("Parameter : %s", text));
  if (text.size() > kMaxCommandLine) {
    Log().Write(profile::Format("The command line of %d bytes is too long, so it is ignored", text.size()));
    return kStartInstall;
  }
  int mode = kStartInstall;
  for (const std::string_view option : SplitOptions(text)) {
    const std::string value(wizard::TrimBlanksAndQuotes(option.substr(1)));
    switch (UpperAscii(option[0])) {
      case 'A': environment.InstallEnv().SetDestination(value); break;
      case 'D': mode = kStartDeleteAll; break;
      case 'L': environment.SetLanguage(TextToNumber(value.c_str()), false); break;
      case 'P':
        environment.InstallEnv().SetPort(value);
        environment.InstallEnv().SetPortFound(true);
        break;
      case 'R': mode = kStartReinstall; break;
      case 'S': silent = true; break;
      case 'U': mode = kStartUninstall; break;
      default: break;
    }
  }
  return mode;
}

bool AsksSilent(std::string_view text) {
  if (text.size() > kMaxCommandLine) return false;
  for (const std::string_view option : SplitOptions(text)) {
    if (UpperAscii(option[0]) == 'S') return true;
  }
  return false;
}

}  // namespace app
