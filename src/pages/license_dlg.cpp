#include "pages/license_dlg.h"

#include <QTextCursor>
#include <QTextEdit>
#include <exception>

#include "app/global_variable.h"
#include "pages/page_text.h"
#include "pages/radio_group.h"
#include "pages/rich_text_document.h"
#include "pages/rtf_reader.h"
#include "platform/files.h"
#include "platform/system_info.h"
#include "profile/format.h"
#include "profile/log.h"

namespace {

// Plain text as the box shows it: up to the first NUL, in the language's
// code page, a CR LF pair being one line break.
QString PlainText(const std::string& bytes) {
  return pages::ToQString(std::string_view(bytes).substr(0, bytes.find('\0')))
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

CLicenseDlg::CLicenseDlg(CGlobalVariable& environment, QWidget* parent)
    : CBaseDlg(environment, resources::kTemplateLicense, parent) {}

bool CLicenseDlg::ActivatePage(const std::string&) {
  CBaseDlg::ActivatePage({});
  ShowAgreement();
  return true;
}

bool CLicenseDlg::SetFixedControls() {
  try {
    CBaseDlg::SetFixedControls();
    ApplyFixedControl("FIXED_RICHEDIT_LICENSE", Control(kIdText), kFixedPlain);
    std::string section;
    if (FixedObjectSection("FIXED_RICHEDIT_LICENSE", section)) {
      std::string name;
      if (!Environment().Profiles().Configure().GetString(section.c_str(), "TEXT_FILE", name)) name.clear();
      LoadLicenseFile(name);
    }
    // Next starts from the template's state, so that a rebuilt page does
    // not inherit what the last choice left.
    QWidget* next = Control(resources::kIdNext);
    if (next != nullptr) next->setEnabled(true);
    ApplyFixedControl("FIXED_NEXT", next, kFixedPlain);
    const bool agree_configured = ApplyFixedControl("FIXED_RADIO_0", Control(kIdAgree), kFixedStatic);
    const bool disagree_configured = ApplyFixedControl("FIXED_RADIO_1", Control(kIdDisagree), kFixedStatic);
    const bool both_configured = agree_configured && disagree_configured;

    std::uint32_t init = kDisagree;
    Environment().Profiles().Configure().GetDword(Config().Section().c_str(), "FIXED_RADIO_INIT", &init);
    agreement_ = init == kAgree || init == kDisagree ? static_cast<int>(init) : kNoChoice;
    // With a single radio button the user has nothing to agree with: Next
    // starts as its object says. With both, only "Yes" lets the user on.
    next_allowed_ = (next == nullptr || next->isEnabledTo(this)) && (!both_configured || agreement_ == kAgree);
    ShowAgreement();
    return true;
  } catch (const std::exception&) {
    Log().Write("GPF Error!!!");
    return false;
  }
}

void CLicenseDlg::LoadLicenseFile(const std::string& name) {
  auto* box = qobject_cast<QTextEdit*>(Control(kIdText));
  format_ = LicenseFormat::kNone;
  if (box != nullptr) box->clear();
  if (name.empty()) {
    Log().Write("License File name is empty !!");
    return;
  }
  const std::string path = Environment().ResolvePath(name, false);
  std::string bytes;
  if (platform::ReadWholeFile(path, bytes) != 0) {
    Log().Write(profile::Format("Couldn't open the License File : [%s]", path));
    return;
  }
  Log().Write(profile::Format("License File : [%s]", path));
  const bool rtf = pages::LooksLikeRtf(bytes);
  // An empty file, or one that starts with NUL, is plain text without
  // saying so.
  if (!bytes.empty() && bytes.front() != '\0') {
    Log().Write(rtf ? "License File Format is RTF !!" : "License File Format is not RTF !!");
  }
  format_ = rtf ? LicenseFormat::kRtf : LicenseFormat::kPlain;
  if (box == nullptr) return;
  try {
    pages::RichDocument document;
    if (rtf && pages::ReadRtf(bytes, platform::GetActiveCodePage(), document)) {
      pages::FillTextDocument(document, *box->document());
    } else {
      box->setPlainText(PlainText(bytes));
    }
    box->moveCursor(QTextCursor::Start);
  } catch (const std::exception&) {
    Log().Write("LicenseDlg : GPF Error!!!");
  }
}

void CLicenseDlg::OnControlClicked(int id) {
  if (id != kIdAgree && id != kIdDisagree) {
    CBaseDlg::OnControlClicked(id);
    return;
  }
  ReadAgreement();
  next_allowed_ = id == kIdAgree;
  ShowAgreement();
}

void CLicenseDlg::ReadAgreement() { agreement_ = pages::CheckedIndex(Radios()); }

void CLicenseDlg::ShowAgreement() {
  pages::CheckIndex(Radios(), agreement_);
  if (QWidget* next = Control(resources::kIdNext)) next->setEnabled(next_allowed_);
}

std::vector<QAbstractButton*> CLicenseDlg::Radios() const {
  return {qobject_cast<QAbstractButton*>(Control(kIdAgree)), qobject_cast<QAbstractButton*>(Control(kIdDisagree))};
}
