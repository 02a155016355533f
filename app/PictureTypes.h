#pragma once

// The kinds of picture the Open and Save dialogs offer, made from the codec
// table, in the dialogs' "description|patterns|description|patterns" form.

#include <QString>

#include "codecs/Codecs.h"

namespace qv {

// "All pictures" with every extension that can be opened, then one entry
// per format ("JPEG picture", "*.jpg;*.jpeg;*.jpe;*.jfif"), then all files.
QString OpenFilter();

// One entry per format that can be saved, JPEG first and BMP second. An
// entry shows the extension a save adds and those that contain it (TIFF:
// *.tif and *.tiff).
QString SaveFilter();

// The format of save filter entry filterIndex (1-based); JPEG for an entry
// out of range.
PictureFormat SaveFormat(int filterIndex);

// The extension a save through filter entry filterIndex adds: ".jpg",
// ".bmp", ".png", ".webp" or ".tif".
QString SavedExtension(int filterIndex);

// The name Save writes to: the entered one if it holds the entry's
// extension (".jpg", ".bmp", ".png", ".webp", ".tif") anywhere, letter case
// counting, else with it added.
QString SaveFileName(const QString &entered, int filterIndex);

}  // namespace qv
