// A dialog service for tests: it records every question and answers from a
// list, or with the question's first button when the list is empty.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "wizard/dialog_service.h"

namespace inktest {

class ScriptedDialogs : public wizard::IDialogService {
 public:
  int Ask(const wizard::BoxRequest& request) override;
  bool BrowseFolder(const std::string& title, std::string& folder) override;

  std::vector<wizard::BoxRequest> asked;
  std::deque<int> answers;
  std::deque<std::string> folders;  // what BrowseFolder answers; empty: cancelled
};

}  // namespace inktest
