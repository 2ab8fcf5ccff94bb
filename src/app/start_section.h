// The section of the configure profile that starts the wizard, chosen from
// the start mode, an earlier installation and the kind of drive the
// installer runs from.
#pragma once

#include <functional>
#include <string>

class CGlobalVariable;

namespace app {

// Chooses the start section for `start_mode` (start_mode.h) into
// `start_section` and returns the final start mode, kStartInvalid to
// kStartDeleteAll. An install for which `is_there_installed_item` (when
// given) finds an installed item, and a reinstall, look for LangCode under
// the Installed key: when it is there the install environment counts as
// installed before, and the install becomes a reinstall when MAINTENANCE_ON
// is on and NETWORK off. Then the start sections of the mode are tried in
// order, each in its most specific variant; a reinstall prefers the form
// for the medium on a CD-ROM drive, the local one elsewhere. The first that
// exists gives the mode, written as Setup_Type under the Installing key;
// with AGFA on, an install takes "<section>.AGFA" instead when the profile
// has it. None found gives kStartInvalid with `start_section` empty, and
// nothing is written. Logs "Start Section is [...]".
int SelectStartSection(int start_mode, CGlobalVariable& environment,
                       const std::function<bool()>& is_there_installed_item, std::string& start_section);

}  // namespace app
