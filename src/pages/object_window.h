// Where an object's control goes on its page: position to position + size
// when the object gives both size values, else the kind's default size
// there (and a kind that sizes itself to its content does so afterwards).
#pragma once

#include <QRect>
#include <QSize>

#include "pages/object_info.h"

class QWidget;

namespace pages {

// The default size of links, texts, buttons, language boxes, and of edits
// and result lists that lack the SIZE they should have.
inline constexpr QSize kDefaultObjectSize(10, 10);

// Both size values are non-zero.
bool HasSize(const OBJECT_INFO& info);
// The rectangle of `info`'s control, `default_size` large without a size.
QRect ObjectRect(const OBJECT_INFO& info, QSize default_size);

}  // namespace pages
