// Defined strings: tokens between dollar signs in profile texts that stand
// for values of the run, such as $DEST_DIR$ or $LANG_ABBR$. They are the
// last expansion of a profile text, after %NAME% and @NAME@.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace app {

// The defined strings, in the order they are replaced.
enum class DefinedString {
  kLanguageAbbreviation,        // $LANG_ABBR$
  kOrgLanguageAbbreviation,     // $ORG_LANG_ABBR$
  kSourceDirectory,             // $SRC_DIR$
  kDestinationDirectory,        // $DEST_DIR$
  kInstallDirectory,            // $DEST_INST_DIR$
  kWindowsDirectory,            // $WIN_DIR$
  kSystemDirectory,             // $SYS_DIR$
  kInfDirectory,                // $INF_DIR$
  kOsDirectory,                 // $OS_DIR$
  kProgramFilesDirectory,       // $PROGRAM_FILES_DIR$
  kLanguageDirectory,           // $LANG_DIR$
  kOrgLanguageDirectory,        // $ORG_LANG_DIR$
  kDataFile,                    // $DATA_FILE$
  kConfigureFile,               // $CONFIG_FILE$
  kStringFile,                  // $STRING_FILE$
  kVersion,                     // $VERSION$
  kInstallerFile,               // $INSTALLER_EXE$
  kIp,                          // $IP$
  kStringFileName,              // $STRING_FILE_NAME$
  kPort,                        // $PORT$
  kLcid,                        // $LCID$
  kOrgLcid,                     // $ORG_LCID$
  kInstalled,                   // $BOOL_INSTALLED$
  kNotInstalled,                // $BOOL_!INSTALLED$
};

// Replaces every token of `text` by what `value` gives for it, one token
// after the other in the order above: all occurrences of a token at once,
// left to right, so the value put in for a token is not searched for that
// token or any before it, but later tokens are replaced inside it too.
// Tokens match exactly, letter case included; anything else between dollar
// signs stays as written. `value` is asked only for tokens that occur.
std::string ExpandDefinedStrings(std::string_view text, const std::function<std::string(DefinedString)>& value);

}  // namespace app
