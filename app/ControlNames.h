#pragma once

#include <QString>

namespace qv {

class TFormMain;

// What a screen reader says of the main window's controls: every panel,
// tool and button its name and what it does (the thumbnails are named
// after their effects by the strip).
void NameMainControls(TFormMain &form);

// The display's name: the file's name and the picture's size
// ("photo.jpg, 6000 x 4000 pixels").
QString DisplayName(const QString &file, int width, int height);

// Tab and Shift+Tab go as the screen reads: the category column top down,
// the tools, the display (and what lies over it), then the strip.
void FollowTheScreen(TFormMain &form);

}  // namespace qv
