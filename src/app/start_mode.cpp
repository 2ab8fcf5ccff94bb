#include "app/start_mode.h"

#include "app/global_variable.h"
#include "app/text_helpers.h"
#include "profile/format.h"
#include "profile/log.h"
#include "wizard/command_record.h"

namespace app {

namespace {

// What begins an option once the hyphens that begin arguments are marked.
constexpr char kOptionMark[] = "/";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// `text` with every "-" that begins an argument turned into kOptionMark.
// Neither the hyphen nor a blank, tab or double quote is ever the second
// byte of a double-byte character, so the bytes can be looked at one by
// one.
std::string MarkHyphenOptions(std::string_view text) {
  std::string marked(text);
  for (std::size_t at = 0; at < marked.size(); ++at) {
    if (marked[at] != '-') continue;
    std::size_t start = at;
    if (start > 0 && marked[start - 1] == '"') --start;  // an argument in double quotes
    if (start == 0 || IsBlank(marked[start - 1])) marked[at] = kOptionMark[0];
  }
  return marked;
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
  const std::string marked = MarkHyphenOptions(text);
  int mode = kStartInstall;
  char token[kMaxCommandLine + 1];
  for (int index = 0; GetToken(marked.c_str(), kOptionMark, index, token, sizeof token); ++index) {
    const std::string value(wizard::TrimBlanksAndQuotes(token + 1));
    switch (UpperAscii(token[0])) {
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

}  // namespace app
