// The installer's private window messages. Their numbers are those the
// wizard, the pages and the worker threads have always used, so that a
// message named in a log or a module means the same thing everywhere.
#pragma once

#include <cstdint>

namespace wizard {

inline constexpr std::uint32_t kWmUser = 0x400;

enum UserMessageId : std::uint32_t {
  WM_USER_RUN_COMMAND = 0x7F3,     // wizard: execute the command carried along
  WM_USER_SET_DESC = 0x7F4,        // page: show the text in the description area; empty restores it
  WM_USER_INSTALL_RESULT = 0x7F5,  // install page: item progress
  WM_USER_SEARCH_DONE = 0x7F6,     // network page: the search ended
  WM_USER_CANCEL = 0x7F7,          // wizard: execute CT_DLG_CANCEL
  WM_USER_END_WAIT = 0x7F8,        // wizard: a waited-for program ended
  WM_USER_OPEN_DLG = 0x7FA,        // wizard: open a dialog section, or the previous page (wParam -1)
  WM_USER_STEP_PROGRESS = 0x7FB,   // progress window: set the step, or advance one step
  WM_USER_PNP_DONE = 0x7FC,        // device connection page: the Plug and Play wait ended
  WM_USER_PRINTER_FOUND = 0x7FD,   // device connection page: a printer was found
  WM_USER_ENABLE_BUTTONS = 0x7FE,  // message box: wParam 0 disables its buttons, else enables them
  WM_USER_COPY_DONE = 0x7FF,       // copy page: the copy thread ended
  WM_USER_COPY_TEXT = 0x800,       // copy page: show a text
  WM_USER_ENABLE_CANCEL = 0x801,   // copy page: enable or disable the cancel button
  WM_USER_ACTIVATE = 0x802,        // wizard: come to the front
  WM_USER_START = 0x803,           // wizard: wParam 1 runs the start command, 0 ends the run
  WM_USER_INSTALL_DONE = 0x804,    // install page: the closing command has finished
  WM_USER_SHOW_INIT = 0x806,       // background page: show the start-up progress window
  WM_USER_PAGE_SHOWN = 0x808,      // children of a page: the page was activated
  WM_USER_DLG_END = 0x809,         // children of a page: the page was left
};

}  // namespace wizard
