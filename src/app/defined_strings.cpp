#include "app/defined_strings.h"

namespace app {

namespace {

struct Token {
  std::string_view text;
  DefinedString which;
};

constexpr Token kTokens[] = {
    {"$LANG_ABBR$", DefinedString::kLanguageAbbreviation},
    {"$ORG_LANG_ABBR$", DefinedString::kOrgLanguageAbbreviation},
    {"$SRC_DIR$", DefinedString::kSourceDirectory},
    {"$DEST_DIR$", DefinedString::kDestinationDirectory},
    {"$DEST_INST_DIR$", DefinedString::kInstallDirectory},
    {"$WIN_DIR$", DefinedString::kWindowsDirectory},
    {"$SYS_DIR$", DefinedString::kSystemDirectory},
    {"$INF_DIR$", DefinedString::kInfDirectory},
    {"$OS_DIR$", DefinedString::kOsDirectory},
    {"$PROGRAM_FILES_DIR$", DefinedString::kProgramFilesDirectory},
    {"$LANG_DIR$", DefinedString::kLanguageDirectory},
    {"$ORG_LANG_DIR$", DefinedString::kOrgLanguageDirectory},
    {"$DATA_FILE$", DefinedString::kDataFile},
    {"$CONFIG_FILE$", DefinedString::kConfigureFile},
    {"$STRING_FILE$", DefinedString::kStringFile},
    {"$VERSION$", DefinedString::kVersion},
    {"$INSTALLER_EXE$", DefinedString::kInstallerFile},
    {"$IP$", DefinedString::kIp},
    {"$STRING_FILE_NAME$", DefinedString::kStringFileName},
    {"$PORT$", DefinedString::kPort},
    {"$LCID$", DefinedString::kLcid},
    {"$ORG_LCID$", DefinedString::kOrgLcid},
    {"$BOOL_INSTALLED$", DefinedString::kInstalled},
    {"$BOOL_!INSTALLED$", DefinedString::kNotInstalled},
};

// Every token starts with "$", which is never the second byte of a
// double-byte character, so a plain byte search finds only whole tokens.
void ReplaceAll(std::string& text, const Token& token, const std::function<std::string(DefinedString)>& value) {
  std::size_t at = text.find(token.text);
  if (at == std::string::npos) return;
  const std::string replacement = value(token.which);
  std::string result;
  std::size_t copied = 0;
  for (; at != std::string::npos; at = text.find(token.text, at + token.text.size())) {
    result.append(text, copied, at - copied).append(replacement);
    copied = at + token.text.size();
  }
  result.append(text, copied, std::string::npos);
  text = std::move(result);
}

}  // namespace

std::string ExpandDefinedStrings(std::string_view text, const std::function<std::string(DefinedString)>& value) {
  std::string result(text);
  if (result.find('$') == std::string::npos) return result;
  for (const Token& token : kTokens) ReplaceAll(result, token, value);
  return result;
}

}  // namespace app
