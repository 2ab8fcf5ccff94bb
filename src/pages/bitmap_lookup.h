// Finding the bitmap a profile names. A name is looked up in the resource
// module of the medium first (its bitmaps are the files "<NAME>.bmp" in the
// folder named after the module beside it: "data\Res.dll" keeps them in
// "data\Res\"), then among the program's own bitmaps, and last as a file
// on the medium ("data\back.bmp"), so that a medium without a resource
// module can still be skinned.
#pragma once

#include <QPixmap>
#include <string_view>

class CGlobalVariable;

namespace pages {

// The bitmap `name`, or a null pixmap when none is found.
QPixmap LoadBitmap(const CGlobalVariable& environment, std::string_view name);

}  // namespace pages
