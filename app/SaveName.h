#pragma once

// Which file Save writes, and in which format, from the name typed in the
// Save dialog and the entry its type list shows.
//
// A name that ends in the extension of a format that can be written
// (photo.png, photo.WEBP, scan.tiff, old.jpeg), letter case aside, is
// written in that format under that very name, whatever entry the list
// shows, as every desktop editor does. Any other name (none, or one of a
// format that is only read, like .heic) goes by the entry: it is kept where
// it holds the entry's extension somewhere (".jpg", ".bmp", ".png", ".webp",
// ".tif", letter case counting), else the extension is added.

#include <QString>

#include "codecs/Codecs.h"

namespace qv {

struct SaveTarget {
  QString Path;
  PictureFormat Format;
};

SaveTarget SaveTargetFor(const QString &entered, int filterIndex);

// The name the dialog shows once the user picks another entry: a name that
// ends in a writable format's extension takes the new entry's instead, so
// that what the name says and what the list shows agree; other names are
// left as typed.
QString NameForEntry(const QString &name, int filterIndex);

}  // namespace qv
