#pragma once

// libjpeg reports errors by calling error_exit, which by default prints and
// exits the process. This manager jumps back to the guard that started the
// library call instead, and the guard throws qv::Error on our side of the
// C library. Warnings (corrupt data that libjpeg works around) are counted
// and the first one's text is kept, for the decoder to pass on.

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs size_t and FILE first

#include <jpeglib.h>

#include <jerror.h>

#include "gfx/Error.h"

namespace qv {

struct JpegErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  // Set when decoding is stopped by one of our own limits rather than by a
  // library error; it is then the whole message (a marked text).
  const char *refusal = nullptr;
  char errorText[JMSG_LENGTH_MAX] = {};
  int warnings = 0;
  char firstWarning[JMSG_LENGTH_MAX] = {};
};

// Fills manager with libjpeg's defaults and our handlers; returns the pointer
// to store in cinfo.err.
jpeg_error_mgr *InstallJpegErrorManager(JpegErrorManager &manager);

// The exception for the error recorded in manager: "JPEG error #N: " and
// libjpeg's text for it, with a short explanation for the kinds of stream
// this 8-bit build cannot decode.
[[noreturn]] void ThrowJpegError(const JpegErrorManager &manager);

// Stops the running library call with our own message; only for callbacks
// invoked by libjpeg (progress monitor, source or destination managers).
[[noreturn]] void AbortJpeg(j_common_ptr cinfo, MarkedText message);

// Runs body, which may only call libjpeg and touch plain data (the jump back
// skips its frame, so it must own nothing with a destructor), and turns a
// library error into qv::Error.
template <class Body>
void RunJpeg(JpegErrorManager &manager, Body &&body) {
  if (setjmp(manager.jump)) ThrowJpegError(manager);
  body();
}

}  // namespace qv
