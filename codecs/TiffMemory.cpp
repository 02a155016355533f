#include "codecs/TiffMemory.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace qv {

namespace {

TiffMemory &MemoryOf(thandle_t handle) {
  return *static_cast<TiffMemory *>(handle);
}

std::uint64_t SizeOf(const TiffMemory &m) {
  return m.Writing ? m.Output.size() : m.Input.size();
}

tmsize_t Read(thandle_t handle, void *buffer, tmsize_t count) {
  TiffMemory &m = MemoryOf(handle);
  const std::uint8_t *data = m.Writing ? m.Output.data() : m.Input.data();
  const std::uint64_t size = SizeOf(m);
  if (count <= 0 || m.At >= size) return 0;
  const std::uint64_t n = std::min<std::uint64_t>(std::uint64_t(count), size - m.At);
  std::memcpy(buffer, data + m.At, n);
  m.At += n;
  return tmsize_t(n);
}

tmsize_t Write(thandle_t handle, void *buffer, tmsize_t count) {
  TiffMemory &m = MemoryOf(handle);
  if (!m.Writing || count < 0) return -1;
  const std::uint64_t end = m.At + std::uint64_t(count);
  if (end > m.Output.size()) m.Output.resize(end);
  std::memcpy(m.Output.data() + m.At, buffer, std::size_t(count));
  m.At = end;
  return count;
}

toff_t Seek(thandle_t handle, toff_t offset, int whence) {
  TiffMemory &m = MemoryOf(handle);
  const std::uint64_t base = whence == SEEK_CUR ? m.At : whence == SEEK_END ? SizeOf(m) : 0;
  // Offsets are unsigned; one that wraps around is as far off as it gets.
  if (offset > UINT64_MAX - base) return toff_t(-1);
  m.At = base + offset;
  return m.At;
}

int Close(thandle_t) {
  return 0;
}
toff_t Size(thandle_t handle) {
  return SizeOf(MemoryOf(handle));
}
// Reading, libtiff takes compressed strips straight from the bytes in
// memory instead of copying each into a buffer of its own.
int Map(thandle_t handle, void **base, toff_t *size) {
  TiffMemory &m = MemoryOf(handle);
  if (m.Writing) return 0;
  *base = const_cast<std::uint8_t *>(m.Input.data());
  *size = m.Input.size();
  return 1;
}
void Unmap(thandle_t, void *, toff_t) {}

int KeepError(TIFF *, void *user, const char *, const char *format, va_list args) {
  TiffMemory &m = *static_cast<TiffMemory *>(user);
  if (m.FirstError.empty()) {
    char text[256];
    std::vsnprintf(text, sizeof text, format, args);
    m.FirstError = text;
  }
  return 1;
}
int IgnoreWarning(TIFF *, void *, const char *, const char *, va_list) {
  return 1;
}

}  // namespace

TIFF *OpenTiff(TiffMemory &memory, const char *mode, std::uint64_t maxAllocation) {
  TIFFOpenOptions *options = TIFFOpenOptionsAlloc();
  if (!options) return nullptr;
  TIFFOpenOptionsSetMaxSingleMemAlloc(options, tmsize_t(maxAllocation));
  TIFFOpenOptionsSetErrorHandlerExtR(options, KeepError, &memory);
  TIFFOpenOptionsSetWarningHandlerExtR(options, IgnoreWarning, &memory);
  TIFF *tif = TIFFClientOpenExt("picture", mode, &memory, Read, Write, Seek, Close, Size, Map,
                                Unmap, options);
  TIFFOpenOptionsFree(options);
  if (!tif && memory.FirstError.empty()) memory.FirstError = "it is not a TIFF file";
  return tif;
}

}  // namespace qv
