#include "session/RecoveryRecord.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <nlohmann/json.hpp>

#include "codecs/Codecs.h"
#include "gfx/ContentHash.h"
#include "gfx/Error.h"
#include "kernels/StepJson.h"

namespace qv {

namespace {

using nlohmann::json;
namespace fs = std::filesystem;

constexpr int kVersion = 1;
constexpr const char *kMaskPrefix = "recovery-mask-", *kMaskSuffix = ".qvmask";

bool IsMaskFile(const std::string &name) {
  const std::string prefix = kMaskPrefix, suffix = kMaskSuffix;
  return name.size() == prefix.size() + 16 + suffix.size() && name.rfind(prefix, 0) == 0 &&
         name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 &&
         name.find_first_not_of("0123456789abcdef", prefix.size()) == prefix.size() + 16;
}

std::string FolderOf(const std::string &path) {
  return fs::path(path).parent_path().string();
}

// Removes the masks in folder that no step of the record names (all of
// them for none).
void RemoveMasksBut(const std::string &folder, const RecoveryRecord *record) {
  std::error_code error;
  std::vector<std::string> kept;
  if (record)
    for (const Step &step : record->Steps)
      if (step.Mask.Painted) kept.push_back(MaskFileName(*step.Mask.Painted));
  for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (IsMaskFile(name) && std::find(kept.begin(), kept.end(), name) == kept.end())
      fs::remove(it->path(), error);
  }
}

std::uint64_t HashOf(const std::string &text) {
  std::uint64_t value = 0;
  for (char c : text) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0 || text.size() != 16)
      throw Error(QV_TEXT("the fingerprint is not 16 hex digits"));
    value = value << 4 | std::uint64_t(digit);
  }
  return value;
}

}  // namespace

std::string MaskFileName(const PackedMask &mask) {
  return kMaskPrefix + HashText(mask.Hash()) + kMaskSuffix;
}

std::string RecoveryText(const RecoveryRecord &record) {
  json steps = json::array();
  for (const Step &step : record.Steps) {
    json written = StepToJson(step);
    if (step.Mask.Painted) written["painted"] = MaskFileName(*step.Mask.Painted);
    steps.push_back(std::move(written));
  }
  const json value = {{"version", kVersion},
                      {"source", record.Source},
                      {"sample", record.Sample},
                      {"source_hash", HashText(record.SourceHash)},
                      {"source_size", record.SourceSize},
                      {"whitened", record.Whitened},
                      {"document", record.Document},
                      {"steps", std::move(steps)},
                      {"position", record.Position},
                      {"saved_position", record.SavedPosition},
                      {"time", record.Time}};
  return value.dump(1) + "\n";
}

RecoveryRecord ParseRecovery(const std::string &text, const std::string &maskFolder) {
  try {
    const json value = json::parse(text);
    if (value.at("version").get<int>() != kVersion)
      throw Error(QV_TEXT("it is of another version"));
    RecoveryRecord record;
    record.Source = value.at("source").get<std::string>();
    record.Sample = value.at("sample").get<bool>();
    record.SourceHash = HashOf(value.at("source_hash").get<std::string>());
    record.SourceSize = value.at("source_size").get<std::uint64_t>();
    record.Whitened = value.at("whitened").get<bool>();
    record.Document = value.at("document").get<std::string>();
    int position = 0;
    for (const json &step : value.at("steps")) {
      record.Steps.push_back(StepFromJson(step, ++position));
      if (const auto painted = step.find("painted"); painted != step.end()) {
        const std::string name = painted->get<std::string>();
        // Only a mask file of the record's own, beside it.
        if (!IsMaskFile(name) || maskFolder.empty())
          throw Error(Say(QV_TEXT("step %1 names no mask of its own"), position));
        try {
          record.Steps.back().Mask.Painted = std::make_shared<const PackedMask>(
              PackedMask::Parse(ReadFileBytes((fs::path(maskFolder) / name).string())));
        } catch (const Error &e) {
          throw Error(Say(QV_TEXT("the mask of step %1: %2"), position, e.Message()));
        }
      }
    }
    record.Position = value.at("position").get<std::size_t>();
    record.SavedPosition = value.at("saved_position").get<long long>();
    record.Time = value.at("time").get<long long>();
    if (record.Position > record.Steps.size() ||
        record.SavedPosition > static_cast<long long>(record.Steps.size()))
      throw Error(QV_TEXT("it stands beyond its steps"));
    return record;
  } catch (const json::exception &e) {
    throw Error(Say(QV_TEXT("The recovery record is damaged: %1"), e.what()));
  } catch (const Error &e) {
    throw Error(Say(QV_TEXT("The recovery record is damaged: %1"), e.Message()));
  }
}

std::string RecoveryPath() {
  const char *state = std::getenv("XDG_STATE_HOME");
  const char *home = std::getenv("HOME");
  fs::path base = state && *state ? fs::path(state)
                  : home && *home ? fs::path(home) / ".local" / "state"
                                  : fs::temp_directory_path();
  return (base / "quorvane" / "recovery.json").string();
}

std::optional<RecoveryRecord> ReadRecovery(const std::string &path) {
  std::error_code error;
  if (!fs::exists(path, error)) return std::nullopt;
  const Bytes bytes = ReadFileBytes(path);
  return ParseRecovery(std::string(bytes.begin(), bytes.end()), FolderOf(path));
}

void WriteRecovery(const std::string &path, const RecoveryRecord &record) {
  std::error_code error;
  const std::string folder = FolderOf(path);
  fs::create_directories(folder, error);
  // The masks first, each once: a record never names a mask not yet there.
  for (const Step &step : record.Steps) {
    if (!step.Mask.Painted) continue;
    const fs::path file = fs::path(folder) / MaskFileName(*step.Mask.Painted);
    if (!fs::exists(file, error)) WriteFileBytes(file.string(), step.Mask.Painted->FileBytes());
  }
  const std::string text = RecoveryText(record);
  WriteFileBytes(path, {reinterpret_cast<const std::uint8_t *>(text.data()), text.size()});
  RemoveMasksBut(folder, &record);
}

void RemoveRecovery(const std::string &path) {
  std::error_code error;
  fs::remove(path, error);
  RemoveMasksBut(FolderOf(path), nullptr);
}

}  // namespace qv
