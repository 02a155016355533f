// HEIF (HEIC) and AVIF decoding through libheif: the primary picture, with
// the file's own rotation, mirroring and crop applied by libheif, 10 and
// 12-bit samples rounded to 8 bits, alpha over white. The EXIF block of such
// a file may repeat the rotation as an orientation tag; the pixels are
// already upright, so it is not applied a second time.

#include <cstring>
#include <memory>
#include <vector>

#include "codecs/Codecs.h"
#include "codecs/HeifBudget.h"
#include "codecs/HeifLibrary.h"
#include "codecs/Metadata.h"
#include "codecs/SampleRows.h"
#include "gfx/Error.h"
#include "gfx/RunControl.h"

namespace qv {

namespace {

struct ContextFree {
  void operator()(heif_context *c) const { Heif().heif_context_free(c); }
};
struct HandleRelease {
  void operator()(heif_image_handle *h) const { Heif().heif_image_handle_release(h); }
};
struct ImageRelease {
  void operator()(heif_image *i) const { Heif().heif_image_release(i); }
};
struct OptionsFree {
  void operator()(heif_decoding_options *o) const { Heif().heif_decoding_options_free(o); }
};

// The brands of the file's leading ftyp box: major, then compatible ones.
bool HasBrand(std::span<const std::uint8_t> d, std::initializer_list<const char *> brands) {
  if (d.size() < 16 || std::memcmp(d.data() + 4, "ftyp", 4) != 0) return false;
  const std::size_t box =
      std::size_t(d[0]) << 24 | std::size_t(d[1]) << 16 | std::size_t(d[2]) << 8 | d[3];
  const std::size_t end = std::min(box, d.size());
  for (std::size_t at = 8; at + 4 <= end; at += at == 8 ? 8 : 4)  // skip the minor version
    for (const char *brand : brands)
      if (std::memcmp(d.data() + at, brand, 4) == 0) return true;
  return false;
}

// libheif's errors, as the program's refusal: a file of a kind libheif
// does not decode is no damaged file.
[[noreturn]] void Refuse(const char *format, const heif_error &error) {
  if (error.code == heif_error_Unsupported_feature || error.code == heif_error_Unsupported_filetype)
    RefuseKind(format, Text::Verbatim(error.message));
  RefuseImage(format, Text::Verbatim(error.message));
}

// libheif may tell the tiles of a grid as it decodes them, from the
// thread that decodes them (Debian 12's, which decodes them in parallel,
// tells nothing; the decode's end is told all the same).
struct TileProgress {
  RunProgress Run;
  int Tiles = 0;
};
void StartTiles(heif_progress_step step, int count, void *user) {
  if (step == heif_progress_step_total) static_cast<TileProgress *>(user)->Tiles = count;
}
void TileDone(heif_progress_step step, int done, void *user) {
  const auto &p = *static_cast<TileProgress *>(user);
  if (step == heif_progress_step_total && p.Tiles > 0) p.Run.Report(double(done) / p.Tiles);
}
void TilesEnd(heif_progress_step, void *) {}

void ReadMetadata(const heif_image_handle *handle, Metadata &meta) {
  const HeifLibrary &heif = Heif();
  const int count = heif.heif_image_handle_get_number_of_metadata_blocks(handle, nullptr);
  std::vector<heif_item_id> ids(std::size_t(std::max(count, 0)));
  heif.heif_image_handle_get_list_of_metadata_block_IDs(handle, nullptr, ids.data(), count);
  for (const heif_item_id id : ids) {
    const std::string type = heif.heif_image_handle_get_metadata_type(handle, id);
    const std::string content = heif.heif_image_handle_get_metadata_content_type(handle, id);
    const std::size_t size = heif.heif_image_handle_get_metadata_size(handle, id);
    if (size > kMaxMetadataBlockBytes) continue;
    Bytes block(size);
    if (heif.heif_image_handle_get_metadata(handle, id, block.data()).code != heif_error_Ok)
      continue;
    if (type == "Exif" && meta.Exif.empty() && block.size() >= 4) {
      // Four bytes give where the TIFF structure starts after them.
      const std::size_t offset = std::size_t(block[0]) << 24 | std::size_t(block[1]) << 16 |
                                 std::size_t(block[2]) << 8 | block[3];
      if (offset <= block.size() - 4)
        meta.Exif.assign(block.begin() + std::ptrdiff_t(4 + offset), block.end());
    } else if (type == "mime" && content == "application/rdf+xml" && meta.Xmp.empty()) {
      meta.Xmp = std::move(block);
    }
  }
  const heif_color_profile_type profile = heif.heif_image_handle_get_color_profile_type(handle);
  if (profile == heif_color_profile_type_prof || profile == heif_color_profile_type_rICC) {
    meta.Icc.resize(heif.heif_image_handle_get_raw_color_profile_size(handle));
    if (meta.Icc.size() > kMaxMetadataBlockBytes ||
        heif.heif_image_handle_get_raw_color_profile(handle, meta.Icc.data()).code != heif_error_Ok)
      meta.Icc.clear();
  }
}

DecodedPicture Decode(std::span<const std::uint8_t> data, const char *format) {
  // libheif builds whatever the structure asks for; it is weighed first.
  CheckHeifBudget(data, format);
  const HeifLibrary &heif = Heif();
  const std::unique_ptr<heif_context, ContextFree> context(heif.heif_context_alloc());
  if (!context) throw Error(QV_TEXT("Out of memory"));
  heif.heif_context_set_maximum_image_size_limit(context.get(), kMaxSide);
  heif_error error = heif.heif_context_read_from_memory_without_copy(context.get(), data.data(),
                                                                     data.size(), nullptr);
  if (error.code != heif_error_Ok) Refuse(format, error);
  heif_image_handle *primary = nullptr;
  error = heif.heif_context_get_primary_image_handle(context.get(), &primary);
  const std::unique_ptr<heif_image_handle, HandleRelease> handle(primary);
  if (error.code != heif_error_Ok) Refuse(format, error);
  CheckPictureSize(heif.heif_image_handle_get_width(primary),
                   heif.heif_image_handle_get_height(primary));

  const bool alpha = heif.heif_image_handle_has_alpha_channel(primary);
  const bool deep = heif.heif_image_handle_get_luma_bits_per_pixel(primary) > 8;
  const heif_chroma chroma =
      deep ? (alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
           : (alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
  const std::unique_ptr<heif_decoding_options, OptionsFree> options(
      heif.heif_decoding_options_alloc());
  options->convert_hdr_to_8bit = 0;
  TileProgress progress;
  options->start_progress = StartTiles;
  options->on_progress = TileDone;
  options->end_progress = TilesEnd;
  options->progress_user_data = &progress;
  // libheif cannot be stopped inside a decode: a cancel is honoured before
  // and after it.
  CheckCancelled();
  heif_image *decodedImage = nullptr;
  error =
      heif.heif_decode_image(primary, &decodedImage, heif_colorspace_RGB, chroma, options.get());
  const std::unique_ptr<heif_image, ImageRelease> image(decodedImage);
  if (error.code != heif_error_Ok) Refuse(format, error);
  CheckCancelled();
  const int width = heif.heif_image_get_width(decodedImage, heif_channel_interleaved);
  const int height = heif.heif_image_get_height(decodedImage, heif_channel_interleaved);
  const int bits = heif.heif_image_get_bits_per_pixel_range(decodedImage, heif_channel_interleaved);
  int stride = 0;
  const std::uint8_t *plane =
      heif.heif_image_get_plane_readonly(decodedImage, heif_channel_interleaved, &stride);
  if (!plane || width <= 0 || height <= 0 || bits < 8 || bits > 16)
    RefuseImage(format, QV_TEXT("its picture could not be decoded"));
  CheckPictureSize(width, height);

  DecodedPicture decoded;
  Bitmap &picture = decoded.Pixels;
  picture.Recreate(width, height);
  const SampleLayout layout{alpha ? 4 : 3, false, (std::uint32_t(1) << bits) - 1};
  std::vector<std::uint16_t> wide(deep ? std::size_t(width) * std::size_t(layout.Channels) : 0);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t *row = plane + std::size_t(stride) * std::size_t(y);
    if (deep) {
      std::memcpy(wide.data(), row, wide.size() * 2);  // little-endian samples
      ToBgrRow(wide.data(), layout, picture.ScanLine(y), width);
    } else {
      ToBgrRow(row, layout, picture.ScanLine(y), width);
    }
  }
  ReadMetadata(primary, decoded.Meta);
  CheckMetadata(decoded.Meta, decoded.Warnings);
  return decoded;
}

}  // namespace

bool LooksLikeHeif(std::span<const std::uint8_t> data) {
  return !LooksLikeAvif(data) &&
         HasBrand(data, {"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1"});
}

bool LooksLikeAvif(std::span<const std::uint8_t> data) {
  return HasBrand(data, {"avif", "avis"});
}

DecodedPicture DecodeHeifPicture(std::span<const std::uint8_t> data) {
  return Decode(data, "HEIF");
}

DecodedPicture DecodeAvifPicture(std::span<const std::uint8_t> data) {
  return Decode(data, "AVIF");
}

}  // namespace qv
