#include "codecs/SampleRows.h"

#include <cstring>

#include "gfx/Error.h"

namespace qv {

namespace {

template <class Sample>
void Convert(const Sample *in, const SampleLayout &layout, std::uint8_t *bgr, int width) {
  const std::uint32_t max = layout.Max;
  auto to8 = [max](std::uint32_t v) { return max == 255 ? std::uint8_t(v) : ScaleTo8(v, max); };
  const int red = layout.Bgr ? 2 : 0, blue = layout.Bgr ? 0 : 2;
  switch (layout.Channels) {
    case 1:
      for (int x = 0; x < width; ++x, in += 1, bgr += 3) bgr[0] = bgr[1] = bgr[2] = to8(in[0]);
      break;
    case 2:
      for (int x = 0; x < width; ++x, in += 2, bgr += 3)
        bgr[0] = bgr[1] = bgr[2] = OverWhite(to8(in[0]), to8(in[1]));
      break;
    case 3:
      for (int x = 0; x < width; ++x, in += 3, bgr += 3) {
        bgr[0] = to8(in[blue]);
        bgr[1] = to8(in[1]);
        bgr[2] = to8(in[red]);
      }
      break;
    default:
      for (int x = 0; x < width; ++x, in += 4, bgr += 3) {
        const unsigned a = to8(in[3]);
        bgr[0] = OverWhite(to8(in[blue]), a);
        bgr[1] = OverWhite(to8(in[1]), a);
        bgr[2] = OverWhite(to8(in[red]), a);
      }
      break;
  }
}

}  // namespace

void ToBgrRow(const std::uint8_t *in, const SampleLayout &layout, std::uint8_t *bgr, int width) {
  Convert(in, layout, bgr, width);
}

void ToBgrRow(const std::uint16_t *in, const SampleLayout &layout, std::uint8_t *bgr, int width) {
  Convert(in, layout, bgr, width);
}

void FillMissingRows(std::uint8_t *firstRow, std::size_t rowBytes, int rows) {
  if (rows > 0) std::memset(firstRow, 128, rowBytes * std::size_t(rows));
}

Text DamageWarning(const Text &detail) {
  return Say(QV_TEXT("part of the picture is missing or damaged (%1)"), detail);
}

namespace {

// Libraries' texts may run over several lines; the message is one.
Text OneLine(const Text &reason) {
  if (!reason.IsVerbatim()) return reason;
  std::string line;
  for (const char c : reason.Template()) {
    const bool space = c == '\n' || c == '\r' || c == '\t' || c == ' ';
    if (!space)
      line += c;
    else if (!line.empty() && line.back() != ' ')
      line += ' ';
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return Text::Verbatim(line);
}

}  // namespace

void RefuseImage(const char *format, const Text &reason) {
  throw Error(Say(QV_TEXT("%1 image is not valid: %2"), format, OneLine(reason)));
}

void RefuseKind(const char *format, const Text &detail) {
  throw Error(Say(QV_TEXT("%1 image is a kind of picture Quorvane does not open (%2)"), format,
                  OneLine(detail)));
}

}  // namespace qv
