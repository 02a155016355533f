#include "codecs/HeifLibrary.h"

#include <dlfcn.h>

#include <string>

#include "gfx/Error.h"

namespace qv {

namespace {

// The library of Debian 12's libheif1, the version the headers are from.
constexpr const char *kLibrary = "libheif.so.1";

struct Loaded {
  HeifLibrary Functions;
  std::string Failure;  // empty once loaded
};

Loaded Load() {
  Loaded loaded;
  void *library = ::dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const char *why = ::dlerror();
    loaded.Failure = why ? why : kLibrary;
    return loaded;
  }
  HeifLibrary &f = loaded.Functions;
#define QV_HEIF_LOAD(name)                                               \
  f.name = reinterpret_cast<decltype(&::name)>(::dlsym(library, #name)); \
  if (!f.name) loaded.Failure = std::string(kLibrary) + " has no " #name;
  QV_HEIF_FUNCTIONS(QV_HEIF_LOAD)
#undef QV_HEIF_LOAD
  // Kept loaded until the process ends: pictures decoded later use it too.
  if (loaded.Failure.empty()) f.heif_init(nullptr);
  return loaded;
}

}  // namespace

const HeifLibrary &Heif() {
  static const Loaded loaded = Load();
  if (!loaded.Failure.empty())
    throw Error(Say(QV_TEXT("HEIF and AVIF pictures need libheif, which cannot be loaded (%1)"),
                    loaded.Failure));
  return loaded.Functions;
}

}  // namespace qv
