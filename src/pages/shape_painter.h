// Drawing the shapes of a page (lines, rectangles, etched edges, group
// boxes, gradients) over its background.
#pragma once

#include <QPainter>

#include "pages/shape_info.h"

namespace pages {

void DrawShape(QPainter& painter, const SHAPE_INFO& shape);

}  // namespace pages
