#pragma once

// Turning the samples of other formats into the Bitmap's 8-bit blue, green,
// red. Wider samples are rounded to 8 bits, and transparency is laid over
// white, as a viewer shows a picture on a white page. Both steps are exact
// integer arithmetic, the same in every decoder.

#include <cstdint>
#include <string>

#include "gfx/Error.h"

namespace qv {

// A sample of 0 to max as 8 bits, rounded: (v * 255 + max / 2) / max
// (16-bit: (v * 255 + 32767) / 65535).
constexpr std::uint8_t ScaleTo8(std::uint32_t v, std::uint32_t max) {
  return std::uint8_t((v * 255 + max / 2) / max);
}

// Colour value c of opacity a (both 8 bits) over white.
constexpr std::uint8_t OverWhite(unsigned c, unsigned a) {
  return std::uint8_t((c * a + 255 * (255 - a) + 127) / 255);
}

// How the samples of one pixel are laid out in a decoded row.
struct SampleLayout {
  int Channels = 3;         // 1 grey, 2 grey and alpha, 3 colour, 4 colour and alpha
  bool Bgr = false;         // colour stored blue first
  std::uint32_t Max = 255;  // the largest sample value (255, 1023, 65535)
};

// One row of width pixels to BGR. Sample is std::uint8_t when Max is 255,
// std::uint16_t (in the machine's byte order) otherwise.
void ToBgrRow(const std::uint8_t *in, const SampleLayout &layout, std::uint8_t *bgr, int width);
void ToBgrRow(const std::uint16_t *in, const SampleLayout &layout, std::uint8_t *bgr, int width);

// Rows first to last - 1 of a picture that a decoder could not read, in the
// grey that a damaged JPEG shows where its data ends.
void FillMissingRows(std::uint8_t *firstRow, std::size_t rowBytes, int rows);

// The warning for a picture that opened with damage, in one wording for
// every format: "part of the picture is missing or damaged (detail)".
Text DamageWarning(const Text &detail);

// "<Format> image is not valid: <reason>", the refusal of every format that
// has no message of its own ("Bitmap image is not valid: ...").
[[noreturn]] void RefuseImage(const char *format, const Text &reason);
// "<Format> image is a kind of picture Quorvane does not open (<detail>)":
// a valid file of a kind the program has no reader for.
[[noreturn]] void RefuseKind(const char *format, const Text &detail);

}  // namespace qv
