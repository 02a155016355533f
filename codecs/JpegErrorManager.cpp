#include "codecs/JpegErrorManager.h"

#include "gfx/Error.h"

namespace qv {

namespace {

JpegErrorManager &ManagerOf(j_common_ptr cinfo) {
  // pub is the first member, so the library's pointer is the manager's.
  return *reinterpret_cast<JpegErrorManager *>(cinfo->err);
}

void JumpBack(j_common_ptr cinfo) {
  std::longjmp(ManagerOf(cinfo).jump, 1);
}

void Silent(j_common_ptr, int) {}
void SilentOutput(j_common_ptr) {}

}  // namespace

jpeg_error_mgr *InstallJpegErrorManager(JpegErrorManager &manager) {
  jpeg_error_mgr *err = jpeg_std_error(&manager.pub);
  err->error_exit = JumpBack;
  err->emit_message = Silent;
  err->output_message = SilentOutput;
  manager.refusal = nullptr;
  return err;
}

void ThrowJpegError(const JpegErrorManager &manager) {
  if (manager.refusal) throw Error(manager.refusal);
  const int code = manager.pub.msg_code;
  switch (code) {
    case JERR_BAD_PRECISION:
      throw MakeError("JPEG error #%d (only 8-bit JPEG pictures can be opened)", code);
    case JERR_SOF_UNSUPPORTED:
      throw MakeError("JPEG error #%d (lossless and hierarchical JPEG pictures cannot be opened)",
                      code);
    default:
      throw MakeError("JPEG error #%d", code);
  }
}

void AbortJpeg(j_common_ptr cinfo, const char *message) {
  JpegErrorManager &manager = ManagerOf(cinfo);
  manager.refusal = message;
  std::longjmp(manager.jump, 1);
}

}  // namespace qv
