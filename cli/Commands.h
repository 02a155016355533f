#pragma once

// The subcommands of quorvane-fx. Each lives in a file of its own and is
// listed once in the table of main.cpp.

#include <memory>
#include <string>
#include <vector>

namespace qv {
class Bitmap;
class PackedMask;
}  // namespace qv

namespace qv::cli {

using Args = std::vector<std::string>;

// Every command returns the process exit status; failures of the engine
// arrive as qv::Error and are reported by main as one line.
int ConvertCommand(const Args &args);
int FilterCommand(const Args &args);
// Effects by category and number (RenderCommand.cpp): one at full size, the
// ten thumbnails of a category, and the list of categories.
int RenderCommand(const Args &args);
// A look on pictures, as render does one effect (RenderCommand.cpp); look
// files made and shown (LookCommand.cpp).
int ApplyCommand(const Args &args);
int LookCommand(const Args &args);
int ThumbsCommand(const Args &args);
int ListCommand(const Args &args);

// --mask FILE, shared by the commands that apply effects: the grey picture
// in FILE as a mask (white the full effect), and the refusal of one that is
// not the picture's size, naming both files and both sizes.
std::shared_ptr<const PackedMask> ReadMask(const std::string &path);
void CheckMaskFits(const PackedMask &mask, const std::string &maskPath, const Bitmap &picture,
                   const std::string &picturePath);

}  // namespace qv::cli
