#pragma once

// Pictures, streams and folders built in code for the codec tests.

#include <filesystem>
#include <string>

#include "codecs/Codecs.h"
#include "gfx/Error.h"

namespace qv::test {

inline Bytes operator+(Bytes a, const Bytes &b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A smooth, deterministic picture.
Bitmap Gradient(int width, int height);
double MeanAbsoluteError(const Bitmap &a, const Bitmap &b);

// A JPEG made with libjpeg's compression API from interleaved samples of 1
// (grey), 3 (RGB) or 4 (CMYK) components; store is a J_COLOR_SPACE or 0.
struct JpegRecipe {
  int width, height, components;
  Bytes samples;
  bool progressive = false, arithmetic = false, adobeMarker = true;
  int store = 0;
};
Bytes BuildJpeg(const JpegRecipe &recipe);
JpegRecipe RgbRecipe(const Bitmap &picture);

// The message of the qv::Error that action throws, or "no error".
template <class Action>
std::string MessageOf(Action &&action) {
  try {
    action();
  } catch (const Error &e) {
    return e.what();
  }
  return "no error";
}

// Messages as the command line prints them.
inline std::vector<std::string> EnglishOf(const std::vector<Text> &texts) {
  std::vector<std::string> english;
  for (const Text &text : texts) english.push_back(text.English());
  return english;
}

// A fresh folder, removed with everything in it afterwards.
struct TempFolder {
  TempFolder();
  ~TempFolder() { std::filesystem::remove_all(path); }
  std::string operator/(const std::string &name) const { return path + "/" + name; }
  std::string path;
};

}  // namespace qv::test
