#include "pages/radio_group.h"

#include <QButtonGroup>

namespace pages {

int CheckedIndex(const std::vector<QAbstractButton*>& buttons) {
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i] != nullptr && buttons[i]->isChecked()) return static_cast<int>(i);
  }
  return -1;
}

void CheckIndex(const std::vector<QAbstractButton*>& buttons, int index) {
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    QAbstractButton* button = buttons[i];
    if (button == nullptr) continue;
    QButtonGroup* group = button->group();
    // An exclusive group never lets its last checked button go.
    if (group != nullptr) group->setExclusive(false);
    button->setChecked(static_cast<int>(i) == index);
    if (group != nullptr) group->setExclusive(true);
  }
}

}  // namespace pages
