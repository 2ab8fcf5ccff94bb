// The license page (kind "LICENSE."): the license file of the medium in a
// read-only rich-text box, "Yes, I agree" and "No, I don't agree", and a
// Next button that works only while the user agrees. The file is shown as
// RTF when it looks like RTF, else as plain text in the language's code
// page.
#pragma once

#include <QAbstractButton>
#include <string>
#include <vector>

#include "pages/base_dlg.h"

class CLicenseDlg : public CBaseDlg {
 public:
  enum ControlId : int { kIdAgree = 1084, kIdDisagree = 1085, kIdText = 1087 };
  // The agreement: the index of the checked radio button.
  enum Agreement : int { kNoChoice = -1, kAgree = 0, kDisagree = 1 };
  // How the license file was shown.
  enum class LicenseFormat { kNone, kPlain, kRtf };

  CLicenseDlg(CGlobalVariable& environment, QWidget* parent);

  // Shows the choice the user made last (or FIXED_RADIO_INIT's) again.
  bool ActivatePage(const std::string& parameter) override;
  // Binds the text box, Next and the radio buttons, loads the license file
  // that TEXT_FILE of the text box's object names and checks the radio
  // button FIXED_RADIO_INIT names (default 1, "No"; another number checks
  // none). With both radio buttons configured Next starts enabled only on
  // "Yes"; with one of them, as its object says. False, logged, on an
  // unexpected fault.
  bool SetFixedControls() override;

  int CurrentAgreement() const { return agreement_; }
  LicenseFormat Format() const { return format_; }

 protected:
  // "Yes" enables Next, "No" disables it; both remember the choice.
  void OnControlClicked(int id) override;

 private:
  // Loads the file `name` (resolved against the medium) into the text box,
  // which is emptied first; failures are logged and leave it empty.
  void LoadLicenseFile(const std::string& name);
  // The checked radio button into the agreement.
  void ReadAgreement();
  // The agreement and the state of Next into the controls.
  void ShowAgreement();
  // "Yes" and "No", in the order of the agreement's values.
  std::vector<QAbstractButton*> Radios() const;

  int agreement_ = kNoChoice;
  bool next_allowed_ = true;
  LicenseFormat format_ = LicenseFormat::kNone;
};
