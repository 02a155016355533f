#pragma once

// libheif, loaded when the first HEIF or AVIF picture is read. It brings the
// HEVC and AV1 codec libraries with it (x265, de265, aom, dav1d), and
// loading them all took longer than rendering a small JPEG from start to
// end; a run that meets no such picture never loads them. The functions
// keep libheif's names, reached through the loaded library:
// Heif().heif_context_alloc().

#include <libheif/heif.h>

namespace qv {

#define QV_HEIF_FUNCTIONS(X)                          \
  X(heif_init)                                        \
  X(heif_context_alloc)                               \
  X(heif_context_free)                                \
  X(heif_context_set_maximum_image_size_limit)        \
  X(heif_context_read_from_memory_without_copy)       \
  X(heif_context_get_primary_image_handle)            \
  X(heif_image_handle_release)                        \
  X(heif_image_handle_get_width)                      \
  X(heif_image_handle_get_height)                     \
  X(heif_image_handle_has_alpha_channel)              \
  X(heif_image_handle_get_luma_bits_per_pixel)        \
  X(heif_image_handle_get_number_of_metadata_blocks)  \
  X(heif_image_handle_get_list_of_metadata_block_IDs) \
  X(heif_image_handle_get_metadata_type)              \
  X(heif_image_handle_get_metadata_content_type)      \
  X(heif_image_handle_get_metadata_size)              \
  X(heif_image_handle_get_metadata)                   \
  X(heif_image_handle_get_color_profile_type)         \
  X(heif_image_handle_get_raw_color_profile_size)     \
  X(heif_image_handle_get_raw_color_profile)          \
  X(heif_decoding_options_alloc)                      \
  X(heif_decoding_options_free)                       \
  X(heif_decode_image)                                \
  X(heif_image_release)                               \
  X(heif_image_get_width)                             \
  X(heif_image_get_height)                            \
  X(heif_image_get_bits_per_pixel_range)              \
  X(heif_image_get_plane_readonly)

struct HeifLibrary {
#define QV_HEIF_POINTER(name) decltype(&::name) name = nullptr;
  QV_HEIF_FUNCTIONS(QV_HEIF_POINTER)
#undef QV_HEIF_POINTER
};

// Loads and initialises libheif the first time. Throws Error "HEIF and AVIF
// pictures need libheif, which cannot be loaded (...)" when it is missing.
const HeifLibrary &Heif();

}  // namespace qv
