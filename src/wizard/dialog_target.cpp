#include "wizard/dialog_target.h"

#include "profile/profile_text.h"
#include "wizard/command_record.h"

namespace wizard {

DialogTarget SplitDialogTarget(std::string_view text) {
  const std::string_view trimmed = profile::TrimBlanks(text);
  const std::size_t dash = trimmed.find('-');
  if (dash == std::string_view::npos) return {std::string(trimmed), {}};
  return {std::string(TrimBlanksAndQuotes(trimmed.substr(0, dash))),
          std::string(profile::TrimBlanks(trimmed.substr(dash + 1)))};
}

}  // namespace wizard
