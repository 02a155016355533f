#pragma once

// The full-size render of a clicked thumbnail, shown in the preview dialog.

#include <exception>
#include <functional>

#include "gfx/Bitmap.h"
#include "gfx/PictureRef.h"
#include "kernels/KernelEnv.h"

namespace qv {

class RenderWorker;
class TFormPreview;

// Shows the dialog, modeless, in front; an open dialog stays open, at its
// size. The picture fits the frame when it arrives.
void ShowPreview(TFormPreview &dialog);

// Renders thumbnail n of the category at full size from `work` and shows it
// in the dialog. The dialog shows its notice and the progress at once; the
// render runs on `worker` into a bitmap of its own, which becomes `result`
// on the GUI thread when it is done (a render already running is
// cancelled). Line and unknown categories render nothing, and the dialog
// shows `result` as it was. The render holds on to `work`, which nothing
// changes behind its handle, until it has ended or been cancelled.
//
// env's colour prompt, if any, is asked on the GUI thread, once for each
// question of the kernels and in their order, while the render waits.
// `ended` runs on the GUI thread when the render has ended (error null) or
// failed; a failed render leaves the dialog without its notice and without
// a picture to apply, and `result` as the failing step left it.
void DispatchEffect(TFormPreview &dialog, RenderWorker &worker, int n, int category,
                    PictureRef work, PictureRef &result, const KernelEnv &env,
                    std::function<void(std::exception_ptr error)> ended);

}  // namespace qv
