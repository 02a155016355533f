#pragma once

// The artwork beside the program: AppDir/pic/<folder>/<name>.ssl, JPEG
// streams whose first 16 bytes are replaced by a fixed JFIF head before
// decoding. Callers spell the same folder in different letter case
// ("lightC" and "lightc", "EdgeA" and "Edgea"), so every component below
// AppDir is looked up without regard to case.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "gfx/Bitmap.h"
#include "kernels/Categories.h"
#include "kernels/KernelEnv.h"

namespace qv {

// FF D8, APP0 of length 16, "JFIF\0", version 1.17, no density units,
// horizontal density 1. Bytes 16 on come from the file.
inline constexpr std::array<std::uint8_t, 16> kAssetHead = {
    0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00, 0x01, 0x11, 0x00, 0x00, 0x01};

// base/part1/part2/..., where each part names the entry of its folder that
// equals it without regard to ASCII case; an exact match wins, then the
// first in byte order. A part with no match is kept as spelled, so the path
// of a missing file reads as the caller wrote it.
std::string FindCaseBlind(const std::string &base, std::initializer_list<std::string_view> parts);

// The file of asset folder/name under env.AppDir.
std::string AssetPath(const KernelEnv &env, std::string_view folder, std::string_view name);

// Decodes the bytes of an asset file: the fixed head goes over the first 16
// bytes (shorter data grows to 16) and the rest is decoded as JPEG at the
// picture's own size. Throws "JPEG error #%d" or the size refusal.
Bitmap DecodeAsset(std::span<const std::uint8_t> file);

// Reads the whole file, puts the fixed head over its first 16 bytes (a
// shorter file grows to 16) and decodes it into bitmap at the picture's own
// size. Throws "Cannot open file %s" or "JPEG error #%d"; on failure bitmap
// is left as it was. The brush of bitmap is kept.
void LoadAsset(const std::string &fileName, Bitmap &bitmap);

// LoadAsset of AssetPath(env, folder, name) into a new bitmap.
Bitmap LoadAsset(const KernelEnv &env, std::string_view folder, std::string_view name);

}  // namespace qv
