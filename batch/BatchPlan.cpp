#include "batch/BatchPlan.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "codecs/Codecs.h"

namespace qv {

namespace fs = std::filesystem;

namespace {

bool Hidden(const fs::path &path) {
  const std::string name = path.filename().string();
  return !name.empty() && name[0] == '.';
}

bool IsPictureName(const fs::path &path) {
  return FormatFromExtension(path.filename().string()) != PictureFormat::Unknown;
}

using FileId = std::pair<dev_t, ino_t>;

// The file's device and inode, which tell a hard link or another spelling
// of an input; none for a file that does not exist.
std::optional<FileId> IdOf(const std::string &path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileId{info.st_dev, info.st_ino};
}

std::string Canonical(const std::string &path) {
  std::error_code error;
  const fs::path canonical = fs::weakly_canonical(fs::absolute(path, error), error);
  return error ? path : canonical.string();
}

void CollectFolder(const fs::path &root, bool recursive, const std::string &outputFolder,
                   std::vector<BatchInput> &inputs, std::vector<Text> &problems) {
  // Sorted per folder, files before sub-folders, so that {n} and the order
  // of the results are the same on every machine.
  std::vector<fs::path> stack{root};
  while (!stack.empty()) {
    const fs::path folder = stack.back();
    stack.pop_back();
    std::error_code error;
    std::vector<fs::path> files, folders;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
      const fs::path path = it->path();
      if (Hidden(path)) continue;
      std::error_code kind;
      if (it->is_directory(kind)) {
        if (recursive && Canonical(path.string()) != outputFolder) folders.push_back(path);
      } else if (IsPictureName(path)) {
        files.push_back(path);
      }
    }
    if (error) {
      problems.push_back(Say(QV_TEXT("%1: %2"), folder.string(), error.message()));
      continue;
    }
    std::sort(files.begin(), files.end());
    std::sort(folders.begin(), folders.end(), std::greater<>());
    const fs::path relative = folder.lexically_relative(root);
    for (const fs::path &file : files)
      inputs.push_back({file.string(), relative == "." ? std::string() : relative.string()});
    for (const fs::path &sub : folders) stack.push_back(sub);
  }
}

}  // namespace

std::vector<BatchInput> CollectInputs(const std::vector<std::string> &given, bool recursive,
                                      const std::string &outputFolder,
                                      std::vector<Text> &problems) {
  const std::string output = outputFolder.empty() ? std::string() : Canonical(outputFolder);
  std::vector<BatchInput> inputs;
  for (const std::string &path : given) {
    std::error_code error;
    if (fs::is_directory(path, error))
      CollectFolder(path, recursive, output, inputs, problems);
    else
      inputs.push_back({path, {}});
  }
  return inputs;
}

std::string ExpandNamePattern(const std::string &pattern, const std::string &inputName,
                              const std::string &look, int n, Text &error) {
  std::string name;
  error = Text();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '{') {
      name += pattern[i];
      continue;
    }
    const std::size_t close = pattern.find('}', i);
    if (close == std::string::npos) {
      error = QV_TEXT("the pattern has a '{' without its '}'");
      return {};
    }
    const std::string field = pattern.substr(i + 1, close - i - 1);
    if (field == "name") {
      name += inputName;
    } else if (field == "look") {
      name += look;
    } else if (field == "n") {
      name += std::to_string(n);
    } else if (field.size() == 3 && field.compare(0, 2, "n:") == 0 && field[2] >= '1' &&
               field[2] <= '9') {
      std::string digits = std::to_string(n);
      const std::size_t width = std::size_t(field[2] - '0');
      if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
      name += digits;
    } else {
      error = Say(QV_TEXT("the pattern has an unknown field {%1} (it takes {name}, {look}, {n} and "
                          "{n:W})"),
                  field);
      return {};
    }
    i = close;
  }
  // A look's name may hold a slash; a result is one file all the same.
  std::replace(name.begin(), name.end(), '/', '-');
  if (name.empty() || name == "." || name == "..") {
    error = QV_TEXT("the pattern gives no file name");
    return {};
  }
  return name;
}

Text CheckNamePattern(const std::string &pattern) {
  if (pattern.find('/') != std::string::npos)
    return QV_TEXT(
        "the pattern is a file name, without '/' (sub-folders come from the inputs' own)");
  Text error;
  ExpandNamePattern(pattern, "photo", "look", 1, error);
  return error;
}

std::string ResultExtension(const std::string &input, const std::string &format) {
  if (!format.empty()) return format;
  const fs::path file(input);
  const PictureCodec *codec = FindCodec(FormatFromExtension(file.filename().string()));
  if (!codec || !codec->Encode) return "jpg";
  return file.extension().string().substr(1);
}

std::vector<BatchItem> PlanBatch(const std::vector<BatchInput> &inputs, const std::string &look,
                                 const BatchOutput &output) {
  std::set<std::string> inputPaths;
  std::set<FileId> inputFiles;
  for (const BatchInput &input : inputs) {
    inputPaths.insert(Canonical(input.Path));
    if (const auto id = IdOf(input.Path)) inputFiles.insert(*id);
  }
  const auto isInput = [&](const std::string &path) {
    const auto id = IdOf(path);
    return inputPaths.count(Canonical(path)) || (id && inputFiles.count(*id));
  };

  std::map<std::string, std::size_t> taken;  // the results planned so far, by path
  std::vector<BatchItem> items(inputs.size());
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    BatchItem &item = items[i];
    item.Input = inputs[i].Path;
    Text error;
    const fs::path file(item.Input);
    const std::string base =
        ExpandNamePattern(output.NamePattern, file.stem().string(), look, int(i) + 1, error);
    if (!error.Empty()) {
      item.Failure = error;
      continue;
    }
    // Appended rather than "." + ...: GCC 12 warns falsely (-Wrestrict) on the latter here.
    const std::string extension =
        std::string(".").append(ResultExtension(item.Input, output.Format));
    const fs::path folder = fs::path(output.Folder) / inputs[i].Folder;
    std::string path = (folder / (base + extension)).string();
    for (int number = 2;; ++number) {
      std::error_code ignored;
      const bool exists = fs::exists(path, ignored);
      const bool clash = taken.count(Canonical(path)) || isInput(path);
      const bool numbered = output.Existing == ExistingPolicy::AddNumber && (exists || clash);
      if (!numbered) break;
      path = (folder / (base + " (" + std::to_string(number) + ")" + extension)).string();
    }
    const std::string canonical = Canonical(path);
    if (isInput(path)) {
      item.Failure = Say(QV_TEXT("its result %1 would replace an input"), path);
    } else if (const auto first = taken.find(canonical); first != taken.end()) {
      item.Failure =
          Say(QV_TEXT("its result %1 is already %2's"), path, items[first->second].Input);
    } else {
      item.Output = path;
      std::error_code ignored;
      item.Skip = output.Existing == ExistingPolicy::Skip && fs::exists(path, ignored);
      taken.emplace(canonical, i);
    }
  }
  return items;
}

}  // namespace qv
