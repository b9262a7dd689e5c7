// CHECKLABEL: does the medium in the drive named by word 3 carry the label of word 4? The
// answer is OK or ERROR; no window is shown, not even for a missing medium.
#include "commands/commands.h"
#include "commands/drive_root_and_label.h"

namespace kelvari {

Outcome CheckLabel(const Invocation& call, Text& texts, Drives& drives) {
  if (call.WordCount() < 4) return Outcome::Error(kErrTooFewWords);
  const std::optional<std::wstring> label = drives.VolumeLabel(DriveRoot(call.Word(3)));
  return Outcome::Answer(LabelMatches(texts, label, call.Word(4)) ? kDriveOk : kDriveError);
}

}  // namespace kelvari
