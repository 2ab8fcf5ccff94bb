#include "pages/page_text.h"

#include "platform/codepage.h"
#include "platform/system_info.h"

namespace pages {

QString ToQString(std::string_view text) {
  return QString::fromStdString(platform::CodePageToUtf8(text, platform::GetActiveCodePage()));
}

std::string FromQString(const QString& text) {
  return platform::Utf8ToCodePage(text.toStdString(), platform::GetActiveCodePage());
}

QColor ToQColor(COLORREF colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

void SetBackgroundColour(QWidget& control, COLORREF colour) {
  QPalette palette = control.palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  control.setPalette(palette);
}

}  // namespace pages
