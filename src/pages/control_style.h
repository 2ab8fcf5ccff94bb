// What the installer's own controls share: fonts made from LOGFONT data,
// the default GUI font, the hand cursor of the clickable controls, and
// tooltips kept narrower than the page.
#pragma once

#include <QCursor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include "pages/object_info.h"

class QWidget;

namespace pages {

// The font `font` describes: a negative height is the character height in
// pixels, a positive one the cell height (both taken as the pixel size), 0
// keeps the default size; weight 0 is normal; an empty face keeps the
// default family. The width is left to the face.
QFont FontOfLogFont(const LOGFONT& font);
// The platform's default GUI font at normal weight.
QFont DefaultGuiFont();
// The hand the clickable controls show (cursor 131 of the program's own
// resources); the arrow when that is missing.
QCursor HandCursor();
// `pixmap` with every pixel of `colour` left out, so that what lies behind
// shows through there.
QPixmap WithoutColour(const QPixmap& pixmap, COLORREF colour);
// Shows `text` as the tooltip of `control` at `global_position`, shown even
// while the page is inactive and wrapped at 70 % of the width of the
// control's parent.
void ShowTooltip(QWidget* control, const QString& text, const QPoint& global_position);

}  // namespace pages
