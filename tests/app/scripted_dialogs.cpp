#include "scripted_dialogs.h"

namespace inktest {

int ScriptedDialogs::Ask(const wizard::BoxRequest& request) {
  asked.push_back(request);
  if (answers.empty()) return wizard::FirstAnswer(request);
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

bool ScriptedDialogs::BrowseFolder(const std::string&, std::string& folder) {
  if (folders.empty()) return false;
  folder = folders.front();
  folders.pop_front();
  return !folder.empty();
}

}  // namespace inktest
