#pragma once

// What a batch will do before it does anything: the pictures found in the
// files and folders given, and for each the file it will write, by the
// name pattern, format and policy for files that exist. The plan never
// lets a result replace any of its inputs, nor two results the same file.

#include <string>
#include <vector>

#include "gfx/Error.h"

namespace qv {

// What happens where a result's file already exists.
enum class ExistingPolicy { Replace, Skip, AddNumber };

struct BatchOutput {
  std::string Folder;                  // made when missing
  std::string NamePattern = "{name}";  // {name}, {look}, {n} or {n:W}; no extension
  std::string Format;                  // extension without the dot; empty: the input's
  int Quality = 0;                     // JPEG and WebP, 1 to 100; 0: 90
  int LongEdge = 0;                    // the longest side in pixels; 0: full size
  bool StripMetadata = false;
  ExistingPolicy Existing = ExistingPolicy::Replace;
};

struct BatchInput {
  std::string Path;
  std::string Folder;  // the sub-folder of its result, relative to the output folder
};

// The pictures of `given`, in order: a file as it is (also one of no known
// extension, which then fails when read), a folder's files of a picture
// extension in name order, with their sub-folders' (kept as sub-folders of
// the results) when recursive. Hidden files and folders, and the output
// folder itself, are left out. What cannot be listed is added to problems.
std::vector<BatchInput> CollectInputs(const std::vector<std::string> &given, bool recursive,
                                      const std::string &outputFolder, std::vector<Text> &problems);

// The name a pattern gives the n-th input (from 1) of `total`: {name} is the
// input's file name without its extension, {look} the look's, {n} the
// number, {n:W} the number with zeros to W digits. Empty and an error in
// `error` for a pattern that is no file name ("/" or nothing in it, an
// unknown or unclosed field).
std::string ExpandNamePattern(const std::string &pattern, const std::string &inputName,
                              const std::string &look, int n, Text &error);
// Whether a pattern can give names: empty, or what is wrong with it.
Text CheckNamePattern(const std::string &pattern);

// The extension (without the dot) a result of input gets: the output's
// format, else the input's own extension as written, a format that is only
// read (HEIC, AVIF) or none known giving "jpg".
std::string ResultExtension(const std::string &input, const std::string &format);

struct BatchItem {
  std::string Input;
  std::string Output;  // empty when Failure says why there is none
  Text Failure;
  bool Skip = false;  // the result exists and the policy keeps it
};

// One item for each input, in their order.
std::vector<BatchItem> PlanBatch(const std::vector<BatchInput> &inputs, const std::string &look,
                                 const BatchOutput &output);

}  // namespace qv
