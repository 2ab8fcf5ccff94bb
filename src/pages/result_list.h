// A result list object's window: lists the items chosen for installation
// each time its page is shown.
#pragma once

#include <QListWidget>
#include <cstdint>

#include "wizard/user_message.h"

namespace pages {

class ResultList : public QListWidget, public wizard::IUserMessageTarget {
 public:
  explicit ResultList(QWidget* parent);

  // WM_USER_PAGE_SHOWN fills the list again.
  std::intptr_t OnUserMessage(const wizard::UserMessage& message) override;

 protected:
  bool event(QEvent* event) override;

 private:
  // Empties the list and lists the display names of the selected items, in
  // item order.
  void Fill();
};

}  // namespace pages
