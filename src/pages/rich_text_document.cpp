#include "pages/rich_text_document.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace pages {

namespace {

constexpr double kHalfPointsPerPoint = 2.0;

Qt::Alignment AlignmentOf(RichAlignment alignment) {
  switch (alignment) {
    case RichAlignment::kCentre: return Qt::AlignHCenter;
    case RichAlignment::kRight: return Qt::AlignRight;
    case RichAlignment::kJustified: return Qt::AlignJustify;
    case RichAlignment::kLeft: break;
  }
  return Qt::AlignLeft;
}

QTextCharFormat CharFormatOf(const RichFormat& format) {
  QTextCharFormat result;
  result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
  result.setFontItalic(format.italic);
  result.setFontUnderline(format.underline);
  if (format.half_points > 0) result.setFontPointSize(format.half_points / kHalfPointsPerPoint);
  if (format.has_colour) result.setForeground(QColor(format.red, format.green, format.blue));
  return result;
}

}  // namespace

void FillTextDocument(const RichDocument& document, QTextDocument& target) {
  target.clear();
  QTextCursor cursor(&target);
  bool first = true;
  for (const RichParagraph& paragraph : document.paragraphs) {
    QTextBlockFormat block;
    block.setAlignment(AlignmentOf(paragraph.alignment));
    if (first) {
      cursor.setBlockFormat(block);
      first = false;
    } else {
      cursor.insertBlock(block);
    }
    for (const RichRun& run : paragraph.runs) {
      // A line break inside a paragraph stays inside its block.
      QString text = QString::fromUtf8(run.text);
      text.replace(QLatin1Char('\n'), QChar::LineSeparator);
      cursor.insertText(text, CharFormatOf(run.format));
    }
  }
}

}  // namespace pages
