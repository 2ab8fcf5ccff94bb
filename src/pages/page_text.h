// Profile texts are bytes in the language's code page; windows take
// QString. These convert between the two.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "profile/geometry.h"

namespace pages {

QString ToQString(std::string_view text);
std::string FromQString(const QString& text);
// A COLORREF (0x00BBGGRR) as a colour.
QColor ToQColor(COLORREF colour);
// Makes `colour` the background colour of `control` (its palette's window
// colour), which the control paints when it fills its background.
void SetBackgroundColour(QWidget& control, COLORREF colour);

}  // namespace pages
