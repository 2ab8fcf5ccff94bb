// The radio buttons of a page's template (the license and selection
// pages): a choice is the index of the checked button in the page's list
// of them, and a profile may give a button a BACK_COLOR to draw its text
// on.
#pragma once

#include <QAbstractButton>
#include <vector>

#include "profile/geometry.h"

namespace pages {

// The index of the checked button of `buttons` (null entries allowed), or
// -1 when none is checked.
int CheckedIndex(const std::vector<QAbstractButton*>& buttons);
// Checks the button at `index` and unchecks the others; an index outside
// the list checks none, which an exclusive group would not allow by
// itself.
void CheckIndex(const std::vector<QAbstractButton*>& buttons, int index);
// Makes `control` fill its background with `colour` under its text.
void FillBackground(QWidget& control, COLORREF colour);

}  // namespace pages
