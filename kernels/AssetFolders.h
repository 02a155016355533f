#pragma once

// The one list of asset folders: what the artwork generator draws and what
// the asset store, the tests and the benchmarks expect to find.

namespace qv {

// The asset folders as the artwork ships them, each holding the files
// 1.ssl to <Files>.ssl.
struct AssetFolder {
  const char *Name;
  int Files;
};

inline constexpr AssetFolder kAssetFolders[] = {
    {"lightA", 10},  {"lightB", 10}, {"lightC", 10}, {"star", 10},     {"amazing", 10},
    {"weather", 10}, {"dreamA", 10}, {"dreamB", 10}, {"gradient", 10}, {"texture", 10},
    {"EdgeA", 10},   {"EdgeB", 10},  {"color", 2},   {"line", 10},
};

}  // namespace qv
