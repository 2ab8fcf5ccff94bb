// A license read from RTF, put into the document of a rich-text box.
#pragma once

#include "pages/rtf_reader.h"

class QTextDocument;

namespace pages {

// Replaces the contents of `target` by `document`: one block per
// paragraph with its alignment, one run of characters per formatted run;
// a size or colour of 0 / none keeps the box's default.
void FillTextDocument(const RichDocument& document, QTextDocument& target);

}  // namespace pages
