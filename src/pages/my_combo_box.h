// The language list: one entry per line of a data-profile section, each
// named by a message of the string file and standing for a language id;
// choosing an entry posts CT_CHANGE_LANG with that language.
#pragma once

#include <QComboBox>
#include <cstddef>
#include <string>
#include <vector>

#include "pages/object_info.h"

class CGlobalVariable;

class CMyComboBox : public QComboBox {
 public:
  // A language code keeps at most this many characters of its line's key.
  static constexpr std::size_t kMaxCodeLength = 15;
  // The list drops down at most this many entries high.
  static constexpr int kMaxVisibleEntries = 10;

  explicit CMyComboBox(QWidget* parent);

  // Lists the languages of `data_section` of the data profile: for every
  // line "key = message name", in order, an entry showing that message of
  // MESSAGES of the string file, standing for the language code `key`.
  // Selects the entry whose key is the org language, else one whose key is
  // the current language, else none (and logs it), and widens the control
  // to its longest entry. False when the section cannot be read.
  bool Create(CGlobalVariable& environment, const std::string& data_section);
  // The font of the entries, used by Create to measure them.
  void SetFont(const LOGFONT& font);
  void SetTooltip(const std::string& text);

  // The language codes of the entries, in entry order.
  const std::vector<std::string>& Codes() const { return codes_; }

 private:
  // Posts CT_CHANGE_LANG for the entry the user chose.
  void OnChosen(int index);

  std::vector<std::string> codes_;
};
