#include "pages/select_type_dlg.h"

#include "app/global_variable.h"
#include "pages/radio_group.h"
#include "profile/format.h"

namespace {

constexpr std::uint32_t kDefaultChoice = 0;

}  // namespace

CSelectTypeDlg::CSelectTypeDlg(CGlobalVariable& environment, QWidget* parent)
    : CBaseDlg(environment, resources::kTemplateSelectType, parent) {}

std::vector<QAbstractButton*> CSelectTypeDlg::Radios() const {
  std::vector<QAbstractButton*> radios;
  for (int n = 0; n < kChoiceCount; ++n) radios.push_back(qobject_cast<QAbstractButton*>(Control(kIdFirstChoice + n)));
  return radios;
}

bool CSelectTypeDlg::SetFixedControls() {
  CBaseDlg::SetFixedControls();
  ApplyFixedControl("FIXED_NEXT", Control(resources::kIdNext), kFixedPlain);
  for (int n = 0; n < kChoiceCount; ++n) {
    QWidget* radio = Control(kIdFirstChoice + n);
    if (radio == nullptr) continue;
    const std::string key = profile::Format("FIXED_RADIO_%d", n);
    ApplyFixedControl(key.c_str(), radio, kFixedStatic);
  }
  std::uint32_t init = kDefaultChoice;
  Environment().Profiles().Configure().GetDword(Config().Section().c_str(), "FIXED_RADIO_INIT", &init);
  choice_ = static_cast<int>(init);
  pages::CheckIndex(Radios(), choice_);
  return true;
}

void CSelectTypeDlg::OnControlClicked(int id) {
  if (id != resources::kIdNext) {
    CBaseDlg::OnControlClicked(id);
    return;
  }
  choice_ = pages::CheckedIndex(Radios());
  CBaseDlg::OnControlClicked(id);
}

wizard::CommandRecord CSelectTypeDlg::CurrentNextCommand() const {
  const int choice = pages::CheckedIndex(Radios());
  const std::size_t target = choice >= 0 && choice < kChoiceCount ? static_cast<std::size_t>(choice) + 1 : 1;
  wizard::CommandRecord next = NextCommand();
  next.parameters[0] = NextCommand().Parameter(target);
  return next;
}
