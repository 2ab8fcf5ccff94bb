// The text that names a page to open: a dialog section, optionally followed
// by "-" and an argument that the page receives when it is activated
// ("NORMAL.WELCOME - 2").
#pragma once

#include <string>
#include <string_view>

namespace wizard {

struct DialogTarget {
  std::string section;
  std::string argument;
};

// Splits `text`, trimmed of blanks and tabs, at its first "-": the part
// before it, trimmed of blanks, tabs and double quotes, is the section and
// the part after it, trimmed of blanks and tabs, the argument. Without "-"
// the whole trimmed text is the section and the argument is empty.
DialogTarget SplitDialogTarget(std::string_view text);

}  // namespace wizard
