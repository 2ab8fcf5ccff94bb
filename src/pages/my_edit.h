// A read-only text view showing a text file of the medium as it stands.
#pragma once

#include <QPlainTextEdit>
#include <string>

#include "pages/object_info.h"

class CGlobalVariable;

class CMyEdit : public QPlainTextEdit {
 public:
  explicit CMyEdit(QWidget* parent);

  // Shows the file `text_file` (a path of the medium, as profiles name
  // files) up to its first NUL, in the language's code page. False, with
  // nothing shown, when it cannot be read.
  bool Open(const CGlobalVariable& environment, const std::string& text_file);
  void SetFont(const LOGFONT& font);
};
