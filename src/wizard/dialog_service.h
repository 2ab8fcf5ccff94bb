// The one way the installer asks the user something outside its pages: the
// system's message boxes, the installer's own message box and the folder
// browser. The window system's service shows dialogs; tests install one
// that records each question and answers from a script; a run without
// windows has none, and every question is logged and answered with its
// first button.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace wizard {

enum class BoxKind { kSystem, kInstaller };

// One message box: its text, caption, style (icon and button set as
// MessageBoxA numbers them), and the texts of its buttons from left to
// right.
struct BoxRequest {
  BoxKind kind = BoxKind::kSystem;
  std::string text;
  std::string caption;
  std::uint32_t style = 0;
  std::vector<std::string> buttons;
};

class IDialogService {
 public:
  virtual ~IDialogService() = default;
  // Shows `request` and answers the number of the button pressed, as
  // MessageBoxA numbers them (IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7 …).
  virtual int Ask(const BoxRequest& request) = 0;
  // Lets the user choose a folder, starting at `folder`; false when the
  // choice was cancelled.
  virtual bool BrowseFolder(const std::string& title, std::string& folder) = 0;
};

// Makes `service` the one that shows every question from now on, system
// message boxes included; null logs them instead. The caller keeps
// ownership.
void SetDialogService(IDialogService* service);
IDialogService* DialogService();

// The button texts and answers of a MessageBoxA style's button set.
struct ButtonSet {
  std::vector<std::string> texts;
  std::vector<int> answers;
};
ButtonSet ButtonsOfStyle(std::uint32_t style);
// The installer's own message box counts its buttons from 1, left to right,
// whatever its style: its first button answers this.
inline constexpr int kInstallerFirstAnswer = 1;
// What the first button of `request` answers.
int FirstAnswer(const BoxRequest& request);

// Asks through the service; without one, logs the box and answers its first
// button.
int Ask(const BoxRequest& request);

}  // namespace wizard
