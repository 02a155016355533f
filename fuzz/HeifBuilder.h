#pragma once

// HEIF files put together box by box from items given in code: grids,
// overlays, derived pictures, alpha and thumbnails around coded pictures
// that libheif made. libheif 1.15 cannot write grids or overlays itself;
// the codec tests, the bad-file tests and the fuzzers' seeds need them,
// and the bad ones need every field settable.

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/Picture.h"

namespace qv::samples {

// A property box: its four-character type and what follows its header.
struct HeifBox {
  std::string Type;
  Bytes Body;
};
HeifBox Ispe(std::uint32_t width, std::uint32_t height);
HeifBox AlphaAuxiliary();  // auxC naming the alpha channel
HeifBox Rotation(int quarterTurns);

struct HeifBuildItem {
  std::uint32_t Id = 1;
  std::string Type = "hvc1";
  Bytes Data;
  std::vector<std::uint32_t> Properties;  // 1-based indices into HeifBuild::Properties
  bool Hidden = false;
  bool InIdat = false;  // the data in the idat box rather than in mdat
};
struct HeifBuildReference {
  std::string Type;  // "dimg", "auxl", "thmb", "cdsc"
  std::uint32_t From = 0;
  std::vector<std::uint32_t> To;
};
struct HeifBuild {
  std::string Brand = "heic";
  std::uint32_t Primary = 1;
  std::vector<HeifBuildItem> Items;
  std::vector<HeifBox> Properties;
  std::vector<HeifBuildReference> References;
};
Bytes BuildHeif(const HeifBuild &build);

// The data of a grid item (rows x columns tiles making width x height) and
// of an overlay item (a canvas of width x height, one offset per input).
Bytes GridDescription(int rows, int columns, std::uint32_t width, std::uint32_t height);
Bytes OverlayDescription(std::uint32_t width, std::uint32_t height,
                         const std::vector<std::pair<int, int>> &offsets);

// The single coded picture of a file that MakeHeif wrote: its type ("hvc1"
// or "av01"), its configuration box and its data.
struct CodedTile {
  std::string Type;
  HeifBox Config;
  Bytes Data;
  std::uint32_t Width = 0, Height = 0;
};
CodedTile CodedPictureOf(const Bytes &heif);

// A grid of rows x columns references to one tile, making width x height,
// with the tile's configuration and size as properties 1 and 2 and the
// grid's size as property 3 (the primary item is the grid, number 1; the
// tile is item 2).
HeifBuild GridOf(const CodedTile &tile, int rows, int columns, std::uint32_t width,
                 std::uint32_t height);

}  // namespace qv::samples
