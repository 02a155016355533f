#pragma once

// The record that lets the editor bring back unsaved work after it ended
// without closing (killed, crashed, logged out, power lost): the file the
// work started from and a fingerprint of its bytes, the steps of the
// history, where in the history the work stood and which entry was saved
// last. Written after every change to the history while there is unsaved
// work, and removed once there is none; a small JSON file, replaced whole.
// The painted mask of a brushed step is kept beside it, in a file of its
// own named after its content (recovery-mask-HASH.qvmask, PackedMask's
// file form), which the step names ("painted") and which is written once
// and removed with the last step that names it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kernels/Step.h"

namespace qv {

struct RecoveryRecord {
  std::string Source;   // the picture opened, absolute
  bool Sample = false;  // that picture is the program's own sample
  std::uint64_t SourceHash = 0;
  std::uint64_t SourceSize = 0;
  bool Whitened = false;  // the opened picture was worked on as white
  // The file the window's title names: the last Save's target, else empty.
  std::string Document;
  std::vector<Step> Steps;       // the entries after the opened picture
  std::size_t Position = 0;      // 0: the opened picture; k: after Steps[k - 1]
  long long SavedPosition = -1;  // the entry saved or opened last, -1 for none
  long long Time = 0;            // when it was written, seconds since 1970 (UTC)

  friend bool operator==(const RecoveryRecord &, const RecoveryRecord &) = default;
};

std::string RecoveryText(const RecoveryRecord &record);
// Throws Error for a record that cannot be read back; the painted masks it
// names are read from maskFolder.
RecoveryRecord ParseRecovery(const std::string &text, const std::string &maskFolder = {});
// The file name a painted mask is kept under beside the record.
std::string MaskFileName(const PackedMask &mask);

// The record's file: recovery.json in Quorvane's folder of the user's state
// ($XDG_STATE_HOME, else ~/.local/state).
std::string RecoveryPath();

// The record left behind, if any: nullopt when there is none; throws Error
// for one that cannot be read.
std::optional<RecoveryRecord> ReadRecovery(const std::string &path);
// Replaces the record whole (never half-written), the painted masks it
// names written first; creates the folder.
void WriteRecovery(const std::string &path, const RecoveryRecord &record);
// Removes the record and its masks.
void RemoveRecovery(const std::string &path);

}  // namespace qv
