// The dialog service of an interactive run: the installer's own questions
// appear in its message box, the system's in a standard message box with
// the buttons of their style, and a folder is asked for as an editable
// path. Dialogs open over the window the service was made for, on that
// window's thread, whichever thread asks.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <string>

#include "wizard/dialog_service.h"

class CGlobalVariable;

namespace wizard {

class CQtDialogService : public QObject, public IDialogService {
 public:
  // A service owned by `owner` (deleted with it), whose dialogs take the
  // language's look from `environment`.
  CQtDialogService(CGlobalVariable& environment, QWidget* owner);
  // Uninstalls the service when it is the installed one.
  ~CQtDialogService() override;

  int Ask(const BoxRequest& request) override;
  bool BrowseFolder(const std::string& title, std::string& folder) override;

 private:
  // Runs `show` on the owner's thread and waits for it.
  template <typename Show>
  void OnOwnerThread(Show show);
  int AskInstaller(const BoxRequest& request);
  int AskSystem(const BoxRequest& request);

  CGlobalVariable& environment_;
  QPointer<QWidget> owner_;
};

}  // namespace wizard
