// What the command interpreter asks of the wizard: opening pages, keeping
// the windows disabled while a started program runs, taking posted
// commands, asking the user, and ending the run. The wizard implements it
// with its windows; a run without windows implements it without any
// (CSilentHost), so that the interpreter never needs a window.
#pragma once

#include <cstdint>
#include <string_view>

#include "wizard/command_record.h"

namespace wizard {

// Styles of the installer's own message box, numbered as MessageBoxA
// numbers them: a warning icon with the resume and exit buttons, and with
// the yes and no buttons.
inline constexpr std::uint32_t kStyleResumeExit = 0x36;
inline constexpr std::uint32_t kStyleYesNo = 0x34;

class IWizardHost {
 public:
  virtual ~IWizardHost() = default;

  // Opens the page that `target` names ("SECTION" or "SECTION - argument",
  // SplitDialogTarget), and shows the current page again when it is empty.
  virtual void OpenDialog(std::string_view target) = 0;
  // Shows the page before the current one in the wizard's list of pages.
  virtual void OpenPreviousDialog() = 0;
  // Creates the page of dialog section `section` and shows it modally with
  // the wizard and the background window disabled; destroys it afterwards.
  virtual void DoModal(std::string_view section) = 0;
  // Toggles the visibility of the objects `names` (separated by ",") on the
  // current page; false when there is no current page.
  virtual bool ToggleObjects(std::string_view names) = 0;

  // A started program is being waited for: the wizard and the background
  // window are disabled until EndWait.
  virtual void DisableWindows() = 0;
  // Every program waited for has ended: the windows are enabled again and,
  // with `bring_to_front`, the wizard comes to the foreground. Called from a
  // waiting thread. DisableWindows and EndWait must take effect in the
  // order they are called, and neither may block on the thread that runs
  // commands: a host that posts one of them to its own thread posts both.
  virtual void EndWait(bool bring_to_front) = 0;

  // Takes `record` to be executed later on the wizard's thread, after the
  // command now running there. Safe from any thread; every post keeps its
  // own record, so none is lost however quickly posts follow each other. A
  // run without windows drops it.
  virtual void PostCommand(CommandRecord record) = 0;

  // Shows `text` in the installer's own message box, captioned with the
  // program name, with `style`'s icon and buttons; answers the number of
  // the button pressed, counted from 1, or 0 when an empty text left
  // nothing to show.
  virtual int AskUser(std::string_view text, std::uint32_t style) = 0;

  // The language was changed by the user: the windows are built again in
  // the new language.
  virtual void LanguageChanged() = 0;

  // The wait cursor shows while any BeginWaitCursor has no EndWaitCursor
  // yet. Safe from any thread.
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;

  // Ends the run: the main loop stops and the process shuts down.
  virtual void Quit() = 0;
};

}  // namespace wizard
