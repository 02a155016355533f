#pragma once

// Baseline JFIF encoding through libjpeg, a band of rows at a time, the
// bytes going to a sink as the encoder fills its buffer: the whole-picture
// encoder and the streamed render write the same stream.

#include <cstdint>
#include <memory>

#include "codecs/ByteSink.h"
#include "codecs/Picture.h"

namespace qv {

// Refuses a side JPEG cannot hold (kMaxJpegSide) before anything is written.
void CheckJpegSize(int width, int height);

class JpegWriter {
 public:
  // Starts a colour picture of width x height at quality, default (4:2:0)
  // subsampling, with meta's blocks written as given after the JFIF head.
  JpegWriter(int width, int height, int quality, const Metadata &meta, ByteSink &sink);
  ~JpegWriter();
  JpegWriter(const JpegWriter &) = delete;
  JpegWriter &operator=(const JpegWriter &) = delete;

  // The next count rows, each 3 x width bytes of blue, green, red.
  void WriteRows(const std::uint8_t *const *rows, int count);
  // After the last row: the rest of the stream goes to the sink.
  void Finish();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace qv
