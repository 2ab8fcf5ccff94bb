// The radio buttons of a page's template (the license and selection
// pages): a choice is the index of the checked button in the page's list
// of them.
#pragma once

#include <QAbstractButton>
#include <vector>

namespace pages {

// The index of the checked button of `buttons` (null entries allowed), or
// -1 when none is checked.
int CheckedIndex(const std::vector<QAbstractButton*>& buttons);
// Checks the button at `index` and unchecks the others; an index outside
// the list checks none, which an exclusive group would not allow by
// itself.
void CheckIndex(const std::vector<QAbstractButton*>& buttons, int index);

}  // namespace pages
