#include "pages/result_list.h"

#include <string>
#include <vector>

#include "pages/control_style.h"
#include "pages/page_text.h"
#include "wizard/window_messages.h"

namespace pages {

ResultList::ResultList(QWidget* parent) : QListWidget(parent) {
  setFont(DefaultGuiFont());
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setUniformItemSizes(true);
}

std::intptr_t ResultList::OnUserMessage(const wizard::UserMessage& message) {
  if (message.id == wizard::WM_USER_PAGE_SHOWN) Fill();
  return 0;
}

bool ResultList::event(QEvent* event) {
  if (wizard::DispatchUserMessage(this, event)) return true;
  return QListWidget::event(event);
}

void ResultList::Fill() {
  clear();
  // The item set is not part of the program yet, so no item is selected:
  // once it is, the display names of its selected items go here in item
  // order. The list scrolls sideways to the end of its widest name by itself.
  const std::vector<std::string> names;
  for (const std::string& name : names) addItem(ToQString(name));
}

}  // namespace pages
