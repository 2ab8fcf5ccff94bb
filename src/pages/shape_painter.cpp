#include "pages/shape_painter.h"

#include <QFontMetrics>
#include <QLinearGradient>

#include "pages/object_info.h"
#include "pages/page_text.h"

namespace pages {

namespace {

// The two tones of an etched line: a shadow with a highlight below it.
const QColor kEtchShadow(160, 160, 160);
const QColor kEtchHighlight(255, 255, 255);
// Where a group box's caption starts, right of its left edge.
constexpr int kCaptionIndent = 8;

void DrawEtchedLine(QPainter& painter, QPoint from, QPoint to) {
  painter.setPen(kEtchShadow);
  painter.drawLine(from, to);
  painter.setPen(kEtchHighlight);
  painter.drawLine(from + QPoint(0, 1), to + QPoint(0, 1));
}

void DrawEtchedFrame(QPainter& painter, const QRect& rect) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(kEtchHighlight);
  painter.drawRect(rect.adjusted(1, 1, 0, 0));
  painter.setPen(kEtchShadow);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

}  // namespace

void DrawShape(QPainter& painter, const SHAPE_INFO& shape) {
  const QRect rect(shape.position.x, shape.position.y, shape.size.cx, shape.size.cy);
  painter.save();
  switch (shape.kind) {
    case kShapeLine: {  // line: the outline, so a line is a rectangle of no height or width
      QPen pen(ToQColor(shape.colour));
      pen.setWidth(static_cast<int>(shape.line_width));
      painter.setPen(pen);
      const QPoint top_left = rect.topLeft();
      const QPoint bottom_right(rect.x() + rect.width(), rect.y() + rect.height());
      painter.drawLine(top_left, QPoint(top_left.x(), bottom_right.y()));
      painter.drawLine(QPoint(top_left.x(), bottom_right.y()), bottom_right);
      painter.drawLine(bottom_right, QPoint(bottom_right.x(), top_left.y()));
      painter.drawLine(QPoint(bottom_right.x(), top_left.y()), top_left);
      break;
    }
    case kShapeRectangle: painter.fillRect(rect, ToQColor(shape.colour)); break;
    case kShapeEdge: DrawEtchedLine(painter, rect.topLeft(), QPoint(rect.x() + rect.width(), rect.y())); break;
    case kShapeGroupBox: {
      DrawEtchedFrame(painter, rect);
      if (shape.caption.empty()) break;
      const QString caption = ToQString(shape.caption);
      const QFontMetrics metrics(painter.font());
      const QRect text(rect.x() + kCaptionIndent, rect.y() - metrics.height() / 2 + 2,
                       metrics.horizontalAdvance(caption), metrics.height());
      painter.fillRect(text, ToQColor(shape.has_back_colour ? shape.back_colour : kButtonFaceColour));
      painter.setPen(Qt::black);
      painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, caption);
      break;
    }
    case kShapeGradient: {
      QLinearGradient gradient(rect.topLeft(), rect.topRight());
      gradient.setColorAt(0, ToQColor(shape.start_colour));
      gradient.setColorAt(1, ToQColor(shape.end_colour));
      painter.fillRect(rect, gradient);
      break;
    }
    default: break;
  }
  painter.restore();
}

}  // namespace pages
