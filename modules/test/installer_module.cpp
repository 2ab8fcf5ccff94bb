// Test installer module: installs nothing; answers 1 unless told otherwise.
#include "inkstall_module.h"
#include "module_script.h"

using testmodule::Answer;

extern "C" {

int32_t MyInstall(InkWindow owner, const char* installing_key, const char* item_key, int32_t installed) {
  return Answer("MyInstall", {owner, installing_key, item_key, installed}, 1);
}

int32_t MyCreateShortCut(InkWindow owner, const char* installing_key, const char* shortcut_key) {
  return Answer("MyCreateShortCut", {owner, installing_key, shortcut_key}, 1);
}

}  // extern "C"
