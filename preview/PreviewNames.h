#pragma once

namespace qv {

class TFormPreview;

// What a screen reader says of the preview's controls (each its role's
// name and what it does; the slider and the progress bar say their value
// themselves), and the order Tab takes them in: as they lie on the screen,
// the row of view controls first, then Change Color, Apply and Cancel.
void NamePreviewControls(TFormPreview &preview);

}  // namespace qv
