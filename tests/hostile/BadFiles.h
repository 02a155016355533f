#pragma once

// The bad-file catalogue: damaged, hostile and mislabelled pictures and
// asset files, built in code at test time, each with what the program must
// answer. The renderer and the editor are both held to it.

#include <string>
#include <vector>

#include "codecs/Codecs.h"

namespace qv::hostile {

enum class Verdict {
  Refused,  // one message that starts with Message; nothing changes
  Decoded,  // read without complaint
  Damaged,  // read, with one warning that names the file and says what is wrong
};

struct BadFile {
  std::string FileName;  // also the case's name
  Bytes Content;
  Verdict Expect;
  std::string Message;  // the start of the message when refused
};

// Pictures to open: files of every format, and files of none.
std::vector<BadFile> BadPictures();
// The cases of the formats besides JPEG and BMP (BadFormatFiles.cpp).
void AddOtherFormatCases(std::vector<BadFile> &cases);
// Contents of an asset file (its first 16 bytes are replaced on reading).
std::vector<BadFile> BadAssets();

// A few-kilobyte progressive JPEG whose frame header declares width x
// height; the scans cover a small picture, so the rest is filled in.
Bytes ProgressiveDeclaring(int width, int height);
// A grey progressive JPEG of width x height without its DC scan, its one AC
// refinement scan repeated scans times: a few kilobytes (every scan is a
// handful of end-of-band runs) that ask for scans full passes over the
// declared picture's blocks.
Bytes RefinementScansOnly(int width, int height, int scans);
// A 2.5 KB PNG with a text chunk declaring 1.8 GB that the file does not
// hold, before or after its picture data.
Bytes PngWithLongText(bool beforePicture);
// A 24-bit BMP header declaring width x height, followed by no pixels.
Bytes BmpHeaderDeclaring(int width, int height);

// For every format, a small file declaring the largest picture the pixel
// limit allows (a flat picture, or one mostly missing) and one declaring a
// row more (LimitFiles.cpp).
struct LimitFile {
  std::string FileName;
  Bytes Content;
  bool Above;  // beyond the limit
};
std::vector<LimitFile> LimitPictures();

inline const char kJpegError[] = "JPEG error #";
inline const char kNotBmp[] = "Bitmap image is not valid";

}  // namespace qv::hostile
