#include "codecs/JpegErrorManager.h"

#include "gfx/Error.h"

namespace qv {

namespace {

JpegErrorManager &ManagerOf(j_common_ptr cinfo) {
  // pub is the first member, so the library's pointer is the manager's.
  return *reinterpret_cast<JpegErrorManager *>(cinfo->err);
}

void JumpBack(j_common_ptr cinfo) {
  JpegErrorManager &manager = ManagerOf(cinfo);
  (*cinfo->err->format_message)(cinfo, manager.errorText);
  std::longjmp(manager.jump, 1);
}

// Levels of 0 and above are trace messages; below 0 a warning: damage that
// libjpeg has worked around (missing data, corrupt entropy codes, stray
// bytes). It may repeat once per block, so only the first text is kept.
void KeepWarning(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  JpegErrorManager &manager = ManagerOf(cinfo);
  if (manager.warnings++ == 0) (*cinfo->err->format_message)(cinfo, manager.firstWarning);
}
void SilentOutput(j_common_ptr) {}

}  // namespace

jpeg_error_mgr *InstallJpegErrorManager(JpegErrorManager &manager) {
  jpeg_error_mgr *err = jpeg_std_error(&manager.pub);
  err->error_exit = JumpBack;
  err->emit_message = KeepWarning;
  err->output_message = SilentOutput;
  manager.refusal = nullptr;
  manager.warnings = 0;
  return err;
}

void ThrowJpegError(const JpegErrorManager &manager) {
  if (manager.refusal) throw Error(MarkedText{manager.refusal});
  const int code = manager.pub.msg_code;
  const char *text = manager.errorText;
  switch (code) {
    case JERR_BAD_PRECISION:
      throw Error(
          Say(QV_TEXT("JPEG error #%1: %2 (only 8-bit JPEG pictures can be opened)"), code, text));
    case JERR_SOF_UNSUPPORTED:
      throw Error(Say(
          QV_TEXT("JPEG error #%1: %2 (lossless and hierarchical JPEG pictures cannot be opened)"),
          code, text));
    default:
      throw Error(Say(QV_TEXT("JPEG error #%1: %2"), code, text));
  }
}

void AbortJpeg(j_common_ptr cinfo, MarkedText message) {
  JpegErrorManager &manager = ManagerOf(cinfo);
  manager.refusal = message.English;
  std::longjmp(manager.jump, 1);
}

}  // namespace qv
