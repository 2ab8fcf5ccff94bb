#include "pages/my_combo_box.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <algorithm>

#include "app/global_variable.h"
#include "pages/control_style.h"
#include "pages/page_text.h"
#include "profile/log.h"
#include "profile/profile.h"
#include "profile/profile_number.h"
#include "profile/profile_text.h"
#include "wizard/run_command.h"

namespace {

constexpr const char* kMessagesSection = "MESSAGES";

}  // namespace

CMyComboBox::CMyComboBox(QWidget* parent) : QComboBox(parent) {
  setFont(pages::DefaultGuiFont());
  connect(this, &QComboBox::activated, this, [this](int index) { OnChosen(index); });
}

void CMyComboBox::SetFont(const LOGFONT& font) { setFont(pages::FontOfLogFont(font)); }

void CMyComboBox::SetTooltip(const std::string& text) { setToolTip(pages::ToQString(text)); }

bool CMyComboBox::Create(CGlobalVariable& environment, const std::string& data_section) {
  const CMyProfile& data = environment.Profiles().Data();
  std::vector<std::string> lines;
  if (!data.GetAllKey(data_section.c_str(), lines)) return false;

  // The names of the languages come from the string file as it is named
  // for the language, not from the profiles' messages.
  CProfile messages;
  messages.Create(environment.ResolvePath(environment.Profiles().UnresolvedStringFile(), false).c_str(), "");

  const std::uint32_t org = environment.Language().OrgLcid();
  const std::uint32_t current = environment.Language().CurrentLcid();
  int selected = -1;
  int fallback = -1;
  for (const std::string& line : lines) {
    const std::string key(profile::TrimBlanks(std::string_view(line).substr(0, line.find('='))));
    std::string message_name;
    std::string text;
    if (data.GetString(data_section.c_str(), key.c_str(), message_name)) {
      messages.GetString(kMessagesSection, message_name.c_str(), text, true);
    }
    addItem(pages::ToQString(text));
    codes_.push_back(key.substr(0, kMaxCodeLength));
    const std::uint32_t lcid = profile::StringToDword(key);
    if (lcid == org) {
      selected = count() - 1;
    } else if (lcid == current) {
      fallback = count() - 1;
    }
  }
  // Qt selects the first entry added; only the languages may select one.
  setCurrentIndex(selected >= 0 ? selected : fallback);
  if (currentIndex() < 0) Log().Write("Initialize Language Combo Box Error!! --> Error SetCurSel function");

  const QFontMetrics metrics(font());
  int widest = 0;
  for (int i = 0; i < count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(itemText(i)));
  const int wanted = widest + height();
  if (width() < wanted) {
    resize(wanted, height());
    setMaxVisibleItems(std::min(count(), kMaxVisibleEntries));
    view()->setMinimumWidth(wanted);
  }
  return true;
}

void CMyComboBox::OnChosen(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= codes_.size()) return;
  PostCommand("CT_CHANGE_LANG", codes_[static_cast<std::size_t>(index)]);
}
