// The selection page (kind "SELECT_TYPE."): up to five radio buttons, each
// leading somewhere else. Next posts the page's Next command with its first
// parameter replaced by the parameter of the chosen button: CMD_PARAM1 for
// the first (and when none is chosen), up to CMD_PARAM5 for the fifth.
#pragma once

#include <QAbstractButton>
#include <string>
#include <vector>

#include "pages/base_dlg.h"

class CSelectTypeDlg : public CBaseDlg {
 public:
  static constexpr int kChoiceCount = 5;
  // The radio buttons are 1054 to 1058.
  static constexpr int kIdFirstChoice = 1054;

  CSelectTypeDlg(CGlobalVariable& environment, QWidget* parent);

  // Binds Next and the radio buttons FIXED_RADIO_0 … FIXED_RADIO_4 (one
  // without object is hidden) with their colours, and checks the one
  // FIXED_RADIO_INIT names (default: the first; another number checks
  // none).
  bool SetFixedControls() override;

  int Choice() const { return choice_; }
  // The Next command with the target of the checked choice as its first
  // parameter: parameter n + 1 for choice n, the first without a choice.
  wizard::CommandRecord CurrentNextCommand() const override;

 protected:
  // Next keeps the checked choice before it runs the command.
  void OnControlClicked(int id) override;

 private:
  std::vector<QAbstractButton*> Radios() const;

  int choice_ = -1;
};
