#include "pages/my_edit.h"

#include "app/global_variable.h"
#include "pages/control_style.h"
#include "pages/page_text.h"
#include "platform/files.h"

CMyEdit::CMyEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setFont(pages::DefaultGuiFont());
}

bool CMyEdit::Open(const CGlobalVariable& environment, const std::string& text_file) {
  if (text_file.empty()) return false;
  const std::string path = environment.ResolvePath(text_file, false);
  std::string contents;
  if (path.empty() || platform::ReadWholeFile(path, contents) != 0) return false;
  const std::size_t end = contents.find('\0');
  if (end != std::string::npos) contents.resize(end);
  setPlainText(pages::ToQString(contents));
  return true;
}

void CMyEdit::SetFont(const LOGFONT& font) { setFont(pages::FontOfLogFont(font)); }
