#pragma once

// The full-size render of a recipe from a JPEG file to a JPEG file without
// ever holding the picture whole: one thread decodes bands of rows while a
// second one renders each band through the recipe's steps and encodes it,
// the bytes going to the file as they come. The result is the same file as
// the whole-picture path writes (decode, RenderRecipe, WritePictureFile),
// with the same errors, in a fraction of the memory.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "codecs/Codecs.h"
#include "kernels/KernelEnv.h"

namespace qv {

// Renders recipe (categoryId, n) on the picture held in input (the bytes of
// a picture file) into the file outputPath, and returns true; warn is told
// the damage worked around in the picture (as DecodedPicture::Warnings)
// once it has all been read. Returns false without writing anything when
// the render needs the whole-picture path: a recipe that RecipeRows does
// not make whole (none of the table's), input other than JPEG, a target other than JPEG (by its
// extension), a picture stored turned (EXIF orientation other than 1), or metadata that only
// follows the picture's data. In the last case the colour questions were already asked; the caller
// asks its own again.
bool RenderStreamed(int categoryId, int n, std::span<const std::uint8_t> input,
                    const std::string &outputPath, const KernelEnv &env,
                    const WriteOptions &options,
                    const std::function<void(const std::vector<Text> &)> &warn);

}  // namespace qv
