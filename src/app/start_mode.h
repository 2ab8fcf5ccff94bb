// What a run of the installer does, and how its command line asks for it.
// The command line gives install, uninstall, reinstall or delete all; the
// setting file turns an install into a script install; the choice of the
// start section (start_section.h) settles the reinstall forms, or finds
// nothing to start with.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CGlobalVariable;

namespace app {

// The start modes, as Setup_Type records them under the Installing key.
enum StartMode : int {
  kStartInvalid = 0,          // no start section exists for the run
  kStartInstall = 1,          // installation, INSTALL_START_INFO
  kStartUninstall = 2,        // uninstallation, UNINST_START_INFO
  kStartReinstall = 3,        // reinstallation (maintenance), REINST_START_INFO
  kStartReinstallLocal = 4,   // reinstallation from the local copy, REINST_START_INFO_LOCAL
  kStartReinstallMedium = 5,  // reinstallation from the installation medium, REINST_START_INFO_CD
  kStartDeleteAll = 6,        // removal of everything, DELETEALL_START_INFO
  kStartScript = 7,           // installation from the setting file, always without windows
};

// The longest command line read, in bytes; a longer one is ignored whole.
inline constexpr std::size_t kMaxCommandLine = 16383;

// The command line text after the program name, rebuilt from `arguments`:
// an argument holding a blank or a tab is put in double quotes, and the
// arguments are joined by one blank.
std::string BuildCommandLineText(const std::vector<std::string>& arguments);

// Reads the command line `text` (logged as "Parameter : ...") and returns
// the start mode it asks for: kStartInstall, or the last of kStartDeleteAll
// ("D"), kStartReinstall ("R") and kStartUninstall ("U"). An option begins
// with "/" anywhere, or with "-" where an argument begins: at the start of
// the text or after a blank or a tab, an opening double quote allowed
// between. So a hyphen inside a value stays part of it ("/AC:\Old-Data" is
// that directory, not "C:\Old" and a delete-all). The option's first
// character, in either case, selects it; the rest, trimmed of blanks, tabs
// and double quotes, is its value: "A" the destination, "L" the language id
// (decimal, or hexadecimal with "0x"), set not interactively, "P" the port,
// which then counts as found; "S" sets `silent`. Text before the first
// option is read as one too; one that begins with any other character is
// ignored. A text longer than kMaxCommandLine bytes is logged as too long
// and ignored whole: any part of it read alone could give a cut destination
// or miss an option that changes the mode, so the run starts as a plain
// installation with its wizard.
int ReadCommandLine(std::string_view text, CGlobalVariable& environment, bool& silent);
// Whether ReadCommandLine would set `silent` for `text`; it needs no run
// environment, so the program can tell before it starts the window system.
bool AsksSilent(std::string_view text);

}  // namespace app
