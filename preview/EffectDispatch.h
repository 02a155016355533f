#pragma once

// The full-size render of a clicked thumbnail, shown in the preview dialog.

#include "gfx/Bitmap.h"
#include "kernels/KernelEnv.h"

namespace qv {

class TFormPreview;

// Lays out the preview image for the shape of `work` (its height fills the
// frame, its width follows, centred) and shows the dialog, modeless, in
// front. An open dialog stays open.
void ShowPreview(TFormPreview &dialog, const Bitmap &work);

// Renders thumbnail n of the category at full size, from work into result,
// and shows it in the dialog: the notice first, one pass over the pending
// events so that it is painted, then the render. Line and unknown
// categories render nothing, and the dialog shows result as it was. A
// failed render is rethrown after the dialog has dropped its notice.
void DispatchEffect(TFormPreview &dialog, int n, int category, const Bitmap &work, Bitmap &result,
                    const KernelEnv &env);

}  // namespace qv
